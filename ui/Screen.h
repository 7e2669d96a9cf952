#pragma once
// The forms of the program, in creation order.
#include <cstddef>
#include <vector>

namespace pakmole {

class TCustomForm;

class TScreen {
public:
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
    // The form whose window is the active window of this thread (nullptr when none).
    TCustomForm* ActiveForm() const;

    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);

private:
    std::vector<TCustomForm*> forms_;
};

TScreen& Screen();

}  // namespace pakmole
