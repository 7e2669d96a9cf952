#pragma once
// A flat-capable button without a window: it works out its state (up, hot,
// down, disabled) and then paints the face and its content for that state.
#include "ui/GraphicControl.h"

namespace pakmole {

enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    std::string ClassName() const override { return "TSpeedButton"; }

    bool Flat() const { return flat_; }
    void SetFlat(bool on);
    bool Down() const { return state_ == TButtonState::bsDown; }
    TButtonState ButtonState() const { return state_; }
    // Ends a press without a click: the mouse was taken by another control
    // before the button went up.
    void Release();
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count) { numGlyphs_ = count < 1 ? 1 : count; }

    // 0 normal, 1 hot, 2 pressed, as painters count states.
    int StateIndex() const;

    void WndProc(TMessage& message) override;

protected:
    void Paint(HDC dc) override;
    // Draws what sits on the face (glyph, caption) for the state index.
    virtual void PaintContent(HDC dc, const RECT& face, int stateIndex);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    bool flat_ = false;
    bool dragging_ = false;
    int numGlyphs_ = 1;
    TButtonState state_ = TButtonState::bsUp;
};

}  // namespace pakmole
