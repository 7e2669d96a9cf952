#pragma once
// The caption label that an edit-like control can show beside itself.
#include <windows.h>

#include <memory>
#include <string>

#include "ui/Font.h"
#include "ui/Label.h"

namespace pakmole {

class TWinControl;

enum class TsCaptionLayout {
    sclLeft, sclTopLeft, sclTopCenter, sclTopRight, sclLeftTop, sclBottomLeft, sclBottomCenter, sclBottomRight
};

// Where a label of the given size goes for a control with bounds control.
POINT BoundLabelPosition(TsCaptionLayout layout, const RECT& control, int labelWidth, int labelHeight, int indent);

// The label itself: a plain label that knows the control it captions.
class TsEditLabel : public TLabel {
public:
    using TLabel::TLabel;
    std::string ClassName() const override { return "TsEditLabel"; }
    TWinControl* FocusControl = nullptr;

    // The widest the label may become, 0 for no limit. It holds for every
    // later size change too (a longer caption, a larger font), not only for
    // the next placement.
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int width);
    void SetBounds(int left, int top, int width, int height) override;

private:
    int maxWidth_ = 0;
};

class TsBoundLabel : public TPersistent {
public:
    explicit TsBoundLabel(TWinControl* control);
    std::string ClassName() const override { return "TsBoundLabel"; }

    bool Active() const { return label_ != nullptr; }
    void SetActive(bool on);
    // Empty means the control's name.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int Indent() const { return indent_; }
    void SetIndent(int indent);
    TFont& Font() { return font_; }
    TsCaptionLayout Layout() const { return layout_; }
    void SetLayout(TsCaptionLayout layout);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int width);
    // The label's font colour comes from the skin instead of Font.
    bool UseSkinColor() const { return useSkinColor_; }
    void SetUseSkinColor(bool on);

    TsEditLabel* Label() const { return label_; }
    // Places a visible label beside the control again (after a move or resize).
    void AlignLabel();
    // The control shows, hides, is enabled or disabled: the label follows.
    void FollowControl();
    // Takes the label's font colour again: from the skin seen behind the label
    // when UseSkinColor is set and the control is skinned, from Font otherwise.
    // Owners call it whenever their skin is applied, changed or removed.
    void UpdateSkinColor();

private:
    TWinControl* control_;
    TsEditLabel* label_ = nullptr;
    std::string caption_;
    int indent_ = 0;
    TFont font_;
    TsCaptionLayout layout_ = TsCaptionLayout::sclLeft;
    int maxWidth_ = 0;
    bool useSkinColor_ = false;
};

}  // namespace pakmole
