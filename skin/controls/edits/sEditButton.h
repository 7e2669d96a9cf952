#pragma once
// The button at the right edge of an edit with a button: flat, arrow cursor,
// aligned right, painted with the glyph that the edit's glyph settings choose.
// While the edit is skinned the button is too: its picture is the piece of
// the edit's picture under it, the "SPEEDBUTTON_SMALL" look of its state, and
// the glyph with its blend and grayed settings. The pointer coming and going
// fades between the looks where the section asks for fading; a press and a
// release change the look at once.
#include <memory>

#include "skin/controls/adapters/sSpeedButton.h"
#include "skin/controls/state/sCommonData.h"
#include "skin/render/sFade_win.h"

namespace pakmole {

class TsCustomComboEdit;

class TsEditButton : public TsSpeedButton {
public:
    explicit TsEditButton(TsCustomComboEdit* ownerEdit);
    ~TsEditButton() override;
    std::string ClassName() const override { return "TsEditButton"; }
    TsCustomComboEdit* OwnerEdit() const { return ownerEdit_; }
    TsCommonData& SkinData() { return *skinData_; }

    // Which glyph the button shows now: the image list (nullptr for the
    // built-in list), the image index and the glyph within it.
    struct GlyphChoice {
        bool custom = false;
        int imageIndex = -1;
        int glyph = 0;
    };
    GlyphChoice ChooseGlyph() const;

    // Whether the skin paints the button: the edit is skinned.
    bool SkinPainted() const;
    // Paints the skinned picture with its top-left corner at (x, y) of dc.
    void PaintSkinned(HDC dc, int x, int y);
    // The picture of the state, composed into the button's cache; the edit's
    // cache must be current (the part under the button is read from it).
    const TBitmap32& BuildCache(int state);

    void WndProc(TMessage& message) override;

protected:
    void Paint(HDC dc) override;
    void PaintContent(HDC dc, const RECT& face, int stateIndex) override;

private:
    void PaintGlyph(TBitmap32& cache, int state);
    // The picture of the look the button shows now, the edit's cache first made current.
    const TBitmap32* CurrentPicture();
    bool HandleSkinCommand(TMessage& message);
    // A frame of a fade, at the button's place in the edit.
    void PaintFadeFrame(const TBitmap32& frame);

    TsCustomComboEdit* ownerEdit_;
    std::unique_ptr<TsCommonData> skinData_;
    TsFadeTimerSlot fade_;
};

}  // namespace pakmole
