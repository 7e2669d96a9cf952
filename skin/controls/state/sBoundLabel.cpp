#include "skin/controls/state/sBoundLabel.h"

#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/SkinCommandDelivery_win.h"
#include "skin/render/SkinStateCore_win.h"
#include "skin/render/SkinText_win.h"
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

void TsEditLabel::SetMaxWidth(int width) {
    maxWidth_ = width < 0 ? 0 : width;
    SetBounds(Left(), Top(), Width(), Height());
}

void TsEditLabel::SetBounds(int left, int top, int width, int height) {
    if (maxWidth_ > 0 && width > maxWidth_) width = maxWidth_;
    TLabel::SetBounds(left, top, width, height);
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
    UpdateSkinColor();
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

void TsBoundLabel::SetUseSkinColor(bool on) {
    useSkinColor_ = on;
    UpdateSkinColor();
}

void TsBoundLabel::UpdateSkinColor() {
    if (!label_) return;
    TColor color = font_.Color();
    if (useSkinColor_) {
        const auto* state = reinterpret_cast<const TsSkinStateCore*>(
            DeliverSkinCommand(control_, SkinCommandParam(SKC_GETSKINDATA), 0));
        TsSkinManager* manager = state ? state->ManagerInEffect() : TsSkinManager::DefaultManager();
        if (state && state->Skinned(true) && manager) {
            const TsSkinModel& skin = manager->Model();
            // The label lies on the control's parent: the text colour of the
            // section behind it, or the skin's colour for label text.
            const int32_t behind = BackgroundSectionOf(label_, -1, manager, 0);
            color = skin.IsValidSection(behind) ? skin.Sections[static_cast<std::size_t>(behind)].Props[0].FontColor
                                                : skin.Palette[pcLabelText];
        }
    }
    if (label_->Font().Color() != color) label_->Font().SetColor(color);
}

void TsBoundLabel::FollowControl() {
    if (!label_) return;
    label_->SetEnabled(control_->Enabled());
    label_->SetVisible(control_->Visible());
    AlignLabel();
}

void TsBoundLabel::AlignLabel() {
    if (!label_ || !label_->Visible()) return;
    label_->SetMaxWidth(maxWidth_);
    label_->SetAlign(TAlign::alNone);
    if (maxWidth_ > 0) {
        label_->SetWordWrap(label_->Width() >= maxWidth_ - 4);
        // Unwrapped, an auto-sized label grows back to its natural width; when
        // that reaches the limit again it has to wrap after all.
        if (!label_->WordWrap() && label_->Width() >= maxWidth_ - 4) label_->SetWordWrap(true);
    }
    // Placed last: wrapping changes the height that centring depends on.
    const POINT p = BoundLabelPosition(layout_, control_->BoundsRect(), label_->Width(), label_->Height(), indent_);
    label_->SetBounds(p.x, p.y, label_->Width(), label_->Height());
    if (layout_ == TsCaptionLayout::sclLeft && control_->Align() == TAlign::alLeft) label_->SetAlign(TAlign::alLeft);
    if (control_->Parent() && label_->Parent() != control_->Parent()) label_->SetParent(control_->Parent());
}

}  // namespace pakmole
