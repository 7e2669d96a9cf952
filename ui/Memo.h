#pragma once
// The platform's multi-line edit, with its text as lines.
#include <string>
#include <vector>

#include "ui/CustomEdit.h"

namespace pakmole {

class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);
    std::string ClassName() const override { return "TMemo"; }

    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    // Lines are split at CR LF, LF or CR; a final line break adds no empty line.
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    void AddLine(const std::string& line);

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool wordWrap_ = true;
};

}  // namespace pakmole
