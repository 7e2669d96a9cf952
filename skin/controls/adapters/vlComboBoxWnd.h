#pragma once
// The combo-box adapter: the edit adapter's frame and colours, and the drop
// button of the drop-down styles painted with "COMBOBTN" (pressed while the
// list is down, hot while the box is hot or focused) and the "COMBOBOX"
// arrow glyph, laid over the platform's own painting of the box. Its list
// gets the skin's scroll bars and, outside dialogs, the section's colours.
#include <memory>
#include <string>

#include "skin/controls/adapters/vlComboListWnd.h"
#include "ui/GdiHandles.h"

namespace pakmole {

class TvlComboBoxWnd : public TvlEditWnd {
public:
    TvlComboBoxWnd(HWND window, bool repaint, const std::string& defaultSection, TsSkinManager* manager,
                   TsCommonData* state)
        : TvlEditWnd(window, repaint, defaultSection, manager, state) {}
    ~TvlComboBoxWnd() override;
    std::string ClassName() const override { return "TvlComboBoxWnd"; }

    void HandleMessage(TMessage& message) override;

    bool HasDropButton() const;
    // In window coordinates.
    RECT DropButtonRect() const;
    // 2 while the list is down, 1 while hot or focused, else 0.
    int ButtonState() const;
    // The adapter of the drop-down list, once the list was first coloured.
    TvlComboListWnd* ListAdapter() const { return list_.get(); }

    bool Simple() const;
    // The height of the field a simple box shows above its list.
    int SimpleFieldHeight() const;

private:
    void PaintOver();
    void PaintSimpleField();
    // WM_CTLCOLORLISTBOX: adapts the list the first time; false leaves the
    // colours to the box's own handling.
    bool ColorList(TMessage& message);

    std::unique_ptr<TvlComboListWnd> list_;
    BrushHandle listBrush_;
    int32_t listBrushColor_ = -1;
    TBitmap32 simpleCache_;
};

}  // namespace pakmole
