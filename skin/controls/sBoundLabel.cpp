#include "skin/controls/sBoundLabel.h"

#include "ui/WinControl.h"

namespace pakmole {

POINT BoundLabelPosition(TsCaptionLayout layout, const RECT& control, int labelWidth, int labelHeight, int indent) {
    const int left = control.left, top = control.top;
    const int width = control.right - control.left, height = control.bottom - control.top;
    const int leftOf = left - labelWidth - indent - 4;
    const int centred = left + (width - labelWidth) / 2;
    const int rightAligned = left + width - labelWidth;
    const int above = top - labelHeight - indent;
    const int below = top + height + indent;
    switch (layout) {
    case TsCaptionLayout::sclLeft: return POINT{leftOf, top + (height - labelHeight) / 2};
    case TsCaptionLayout::sclTopLeft: return POINT{left, above};
    case TsCaptionLayout::sclTopCenter: return POINT{centred, above};
    case TsCaptionLayout::sclTopRight: return POINT{rightAligned, above};
    case TsCaptionLayout::sclLeftTop: return POINT{leftOf, top + 3};
    case TsCaptionLayout::sclBottomLeft: return POINT{left, below};
    case TsCaptionLayout::sclBottomCenter: return POINT{centred, below};
    case TsCaptionLayout::sclBottomRight: return POINT{rightAligned, below};
    }
    return POINT{leftOf, top};
}

TsBoundLabel::TsBoundLabel(TWinControl* control) : control_(control) {}

void TsBoundLabel::SetActive(bool on) {
    if (on == Active()) return;
    if (!on) {
        TsEditLabel* label = label_;
        label_ = nullptr;
        label->Free();
        return;
    }
    label_ = new TsEditLabel(control_);
    label_->SetVisible(false);
    label_->FocusControl = control_;
    if (!control_->Name().empty()) label_->SetName(control_->Name() + "Label");
    if (caption_.empty()) caption_ = control_->Name();
    label_->SetCaption(caption_);
    label_->Font().Assign(font_);
    label_->SetAutoSize(true);
    if (control_->Parent()) label_->SetParent(control_->Parent());
    FollowControl();
    AlignLabel();
}

void TsBoundLabel::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (label_) {
        label_->SetCaption(caption_.empty() ? control_->Name() : caption_);
        AlignLabel();
    }
}

void TsBoundLabel::SetIndent(int indent) {
    indent_ = indent;
    AlignLabel();
}

void TsBoundLabel::SetLayout(TsCaptionLayout layout) {
    layout_ = layout;
    AlignLabel();
}

void TsBoundLabel::SetMaxWidth(int width) {
    maxWidth_ = width;
    AlignLabel();
}

void TsBoundLabel::FollowControl() {
    if (!label_) return;
    label_->SetEnabled(control_->Enabled());
    label_->SetVisible(control_->Visible());
    AlignLabel();
}

void TsBoundLabel::AlignLabel() {
    if (!label_ || !label_->Visible()) return;
    label_->SetAlign(TAlign::alNone);
    if (maxWidth_ > 0 && label_->Width() > maxWidth_) label_->SetWidth(maxWidth_);
    const POINT p = BoundLabelPosition(layout_, control_->BoundsRect(), label_->Width(), label_->Height(), indent_);
    label_->SetBounds(p.x, p.y, label_->Width(), label_->Height());
    if (layout_ == TsCaptionLayout::sclLeft && control_->Align() == TAlign::alLeft) label_->SetAlign(TAlign::alLeft);
    if (control_->Parent() && label_->Parent() != control_->Parent()) label_->SetParent(control_->Parent());
    if (maxWidth_ > 0) label_->SetWordWrap(label_->Width() >= maxWidth_ - 4);
}

}  // namespace pakmole
