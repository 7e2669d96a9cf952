#include "skin/controls/sEditButton.h"

#include <algorithm>

#include "skin/controls/sAlphaImageList.h"
#include "skin/controls/sCustomComboEdit.h"
#include "skin/controls/sGlyphUtils.h"
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

TsEditButton::~TsEditButton() = default;

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

void TsEditButton::WndProc(TMessage& m) {
    if (m.Msg == SKM_COMMAND && skinData_->HandleSkinCommand(m)) return;
    TsSpeedButton::WndProc(m);
}

}  // namespace pakmole
