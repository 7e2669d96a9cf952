#include "ui/Label.h"

#include "ui/GdiHandles.h"
#include "ui/WinControl.h"

namespace pakmole {

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(ControlStyle() | csOpaque);
    SetColor(clBtnFace);
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool on) {
    wordWrap_ = on;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool on) {
    SetControlStyle(on ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool on) {
    autoSize_ = on;
    AdjustBounds();
}

UINT TCustomLabel::DrawFlags() const {
    UINT flags = DT_EXPANDTABS | DT_NOPREFIX;
    flags |= wordWrap_ ? DT_WORDBREAK : 0;
    if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
    if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
    return flags;
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_ || IsLoading()) return;
    const std::string text = Caption().empty() ? std::string(" ") : Caption();
    MemoryDC dc(nullptr);
    SelectedObject font(dc.Get(), Font().Handle());
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, DrawFlags() | DT_CALCRECT);
    SetBounds(Left(), Top(), r.right, r.bottom);
}

void TCustomLabel::WndProc(TMessage& m) {
    TGraphicControl::WndProc(m);
    if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) {
        AdjustBounds();
        Invalidate();
    }
}

void TCustomLabel::Paint(HDC dc) {
    RECT r{0, 0, Width(), Height()};
    if (ControlStyle() & csOpaque) {
        BrushHandle brush(CreateSolidBrush(ColorToRGB(Color())));
        FillRect(dc, &r, brush.Get());
    }
    const std::string text = Caption();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? ColorToRGB(Font().Color()) : GetSysColor(COLOR_GRAYTEXT));
    SelectedObject font(dc, Font().Handle());
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DrawFlags());
}

}  // namespace pakmole
