#pragma once
// The combo-box adapter: the edit adapter's frame and colours, and the drop
// button of the drop-down styles painted with "COMBOBTN" (pressed while the
// list is down, hot while the box is hot or focused) and the "COMBOBOX"
// arrow glyph, laid over the platform's own painting of the box.
#include <string>

#include "skin/controls/vlEditWnd.h"

namespace pakmole {

class TvlComboBoxWnd : public TvlEditWnd {
public:
    TvlComboBoxWnd(HWND window, bool repaint, const std::string& defaultSection, TsSkinManager* manager,
                   TsCommonData* state)
        : TvlEditWnd(window, repaint, defaultSection, manager, state) {}
    std::string ClassName() const override { return "TvlComboBoxWnd"; }

    void HandleMessage(TMessage& message) override;

    bool HasDropButton() const;
    // In window coordinates.
    RECT DropButtonRect() const;
    // 2 while the list is down, 1 while hot or focused, else 0.
    int ButtonState() const;

private:
    void PaintOver();
};

}  // namespace pakmole
