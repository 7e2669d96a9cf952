#include "skin/controls/edits/sEditButton.h"

#include <algorithm>

#include "skin/controls/adapters/sAlphaImageList.h"
#include "skin/controls/edits/sCustomComboEdit.h"
#include "skin/controls/edits/sGlyphUtils.h"
#include "skin/manager/SkinCommands.h"

namespace pakmole {

TsEditButton::TsEditButton(TsCustomComboEdit* ownerEdit)
    : TsSpeedButton(ownerEdit), ownerEdit_(ownerEdit), skinData_(std::make_unique<TsCommonData>(this, true)) {
    SetFlat(true);
    SetCursor(crArrow);
    SetAlign(TAlign::alRight);
    SetWidth(22);
    SetCaption("");
    skinData_->ControlKind = ckButton;
    skinData_->SetSkinSection("SPEEDBUTTON_SMALL");
}

TsEditButton::~TsEditButton() { StopFade(fade_); }

TsEditButton::GlyphChoice TsEditButton::ChooseGlyph() const {
    GlyphChoice choice;
    const int state = StateIndex();
    TsGlyphMode& mode = ownerEdit_->GlyphMode();
    if (mode.UsesImages()) {
        choice.custom = true;
        const int wanted = state == 2 ? mode.ImageIndexPressed()
                           : state == 1 ? mode.ImageIndexHot()
                                        : mode.ImageIndex();
        choice.imageIndex = mode.Images()->IsValidIndex(wanted) ? wanted : mode.ImageIndex();
        choice.glyph = 0;
    } else {
        choice.imageIndex = ownerEdit_->DefaultGlyphIndex();
        choice.glyph = std::min(state, kBuiltInGlyphCount - 1);
    }
    return choice;
}

void TsEditButton::PaintContent(HDC dc, const RECT& face, int) {
    if (!ownerEdit_ || IsDestroying()) return;
    const GlyphChoice choice = ChooseGlyph();
    TsGlyphMode& mode = ownerEdit_->GlyphMode();
    const TsAlphaImageList& list = choice.custom ? *mode.Images() : BuiltInGlyphs();
    const int glyphWidth = choice.custom ? list.Width() : list.Width() / kBuiltInGlyphCount;
    const int x = face.left + ((face.right - face.left) - glyphWidth) / 2;
    const int y = face.top + ((face.bottom - face.top) - list.Height()) / 2;
    list.Draw(dc, x, y, choice.imageIndex, choice.glyph * glyphWidth, glyphWidth);
}

void TsEditButton::Paint(HDC dc) {
    if (SkinPainted())
        PaintSkinned(dc, 0, 0);
    else
        TsSpeedButton::Paint(dc);
}

bool TsEditButton::HandleSkinCommand(TMessage& m) {
    switch (SkinCommandCode(m.WParam)) {
    case SKC_PREPARECACHE:
        if (!SkinPainted()) return false;
        CurrentPicture();
        m.Result = 1;
        return true;
    case SKC_FADEFRAME:
        if (!SkinPainted() || !m.LParam) return false;
        PaintFadeFrame(*reinterpret_cast<const TBitmap32*>(m.LParam));
        m.Result = 1;
        return true;
    case SKC_STOPANIMATION:
        // The last frame is the new look itself.
        StopFade(fade_);
        Invalidate();
        m.Result = 1;
        return true;
    default:
        return skinData_->HandleSkinCommand(m);
    }
}

void TsEditButton::WndProc(TMessage& m) {
    if (m.Msg == SKM_COMMAND && HandleSkinCommand(m)) return;
    if ((m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) && SkinPainted() && Enabled() && !ownerEdit_->ReadOnly()) {
        // The look before the change is kept; the new one fades in over it.
        const bool enter = m.Msg == CM_MOUSEENTER;
        if (StartPaintChange(fade_, *skinData_, enter ? fdForward : fdBack, false, true,
                             [this, &m] { TGraphicControl::WndProc(m); }))
            return;
        // No fade: the base handling ran and repaints at once.
        Invalidate();
        return;
    }
    TsSpeedButton::WndProc(m);
}

}  // namespace pakmole
