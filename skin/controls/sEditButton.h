#pragma once
// The button at the right edge of an edit with a button: flat, arrow cursor,
// aligned right, painted with the glyph that the edit's glyph settings choose.
#include "skin/controls/sSpeedButton.h"

namespace pakmole {

class TsCustomComboEdit;

class TsEditButton : public TsSpeedButton {
public:
    explicit TsEditButton(TsCustomComboEdit* ownerEdit);
    std::string ClassName() const override { return "TsEditButton"; }
    TsCustomComboEdit* OwnerEdit() const { return ownerEdit_; }

    // Which glyph the button shows now: the image list (nullptr for the
    // built-in list), the image index and the glyph within it.
    struct GlyphChoice {
        bool custom = false;
        int imageIndex = -1;
        int glyph = 0;
    };
    GlyphChoice ChooseGlyph() const;

protected:
    void PaintContent(HDC dc, const RECT& face, int stateIndex) override;

private:
    TsCustomComboEdit* ownerEdit_;
};

}  // namespace pakmole
