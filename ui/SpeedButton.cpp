#include "ui/SpeedButton.h"

#include "ui/GdiHandles.h"
#include "ui/WinControl.h"

namespace pakmole {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 23, 22);
    SetControlStyle(csCaptureMouse | csDoubleClicks);
}

void TSpeedButton::SetFlat(bool on) {
    flat_ = on;
    Invalidate();
}

int TSpeedButton::StateIndex() const {
    if (state_ == TButtonState::bsDown || state_ == TButtonState::bsExclusive) return 2;
    if (MouseInControl() && Enabled()) return 1;
    return 0;
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft && Enabled()) {
        state_ = TButtonState::bsDown;
        dragging_ = true;
        Invalidate();
    }
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!dragging_) return;
    // Held down and dragged off, the button looks up again until it comes back.
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    const TButtonState wanted = inside ? TButtonState::bsDown : TButtonState::bsUp;
    if (wanted != state_) {
        state_ = wanted;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (dragging_) {
        dragging_ = false;
        state_ = TButtonState::bsUp;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::Release() {
    dragging_ = false;
    if (state_ != TButtonState::bsDown) return;
    state_ = TButtonState::bsUp;
    Invalidate();
}

void TSpeedButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TGraphicControl::WndProc(m);
        Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        state_ = Enabled() ? TButtonState::bsUp : TButtonState::bsDisabled;
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(m);
}

void TSpeedButton::Paint(HDC dc) {
    RECT face{0, 0, Width(), Height()};
    const int stateIndex = StateIndex();
    if (!flat_) {
        UINT state = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
        if (stateIndex == 2) state |= DFCS_PUSHED;
        if (!Enabled()) state |= DFCS_INACTIVE;
        DrawFrameControl(dc, &face, DFC_BUTTON, state);
    } else {
        // A flat button lies on its parent: it takes the parent's colour.
        BrushHandle brush(CreateSolidBrush(ColorToRGB(Parent() ? Parent()->Color() : clBtnFace)));
        FillRect(dc, &face, brush.Get());
        if (stateIndex == 1)
            DrawEdge(dc, &face, BDR_RAISEDINNER, BF_RECT);
        else if (stateIndex == 2)
            DrawEdge(dc, &face, BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&face, -1, -1);
    }
    PaintContent(dc, face, stateIndex);
}

void TSpeedButton::PaintContent(HDC dc, const RECT& face, int stateIndex) {
    const std::string caption = Caption();
    if (caption.empty()) return;
    RECT r = face;
    if (stateIndex == 2) OffsetRect(&r, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
}

}  // namespace pakmole
