// Frames: the window border and caption strip, fields, containers, menus.
#include "tools/emberline/Art.h"
#include "tools/emberline/Palette.h"

namespace pakmole::emberline::art {

void FormFrame(Canvas& c, int state) {
    // Three pixels, as wide as the platform's fixed frame: a dark outer edge,
    // a crisp highlight, then the face. The corners are cut by three key
    // pixels each, the same cut as the caption strip's, so that the window's
    // region is one shape.
    const bool active = state > 0;
    const float w = W(c), h = H(c);
    c.Fill(RoundRect(0, 0, w, h, 4), Hex(active ? 0x080808 : 0x1A1A1A));
    c.Fill(RoundRect(1, 1, w - 1, h - 1, 3), Hex(active ? 0x4A4A4A : 0x383838));
    c.Rect(2, 2, c.Width() - 2, c.Height() - 2, Hex(ink::Face));
}

void TitleStrip(Canvas& c, int state) {
    // Rows: dark edge, highlight, a charcoal ramp, and a closing groove that
    // an active window lights with a thin ember line.
    const bool active = state > 0;
    const float w = W(c), h = H(c);
    c.Fill(RoundRect(0, 0, w, h + 6, 4), Hex(active ? 0x080808 : 0x1A1A1A));
    const Rgba top = Hex(active ? 0x434343 : 0x383838);
    const Rgba bottom = Hex(active ? 0x272727 : 0x262626);
    c.Fill(RoundRect(1, 1, w - 1, h + 6, 3), VerticalRamp(2, top, h - 2, bottom));
    c.Fill(Minus(RoundRect(1, 1, w - 1, h + 6, 3), RoundRect(1, 2, w - 1, h + 8, 3)),
           Hex(active ? 0x5C5C5C : 0x484848));
    // Side highlights continue the window frame's second ring.
    c.VLine(1, 4, c.Height() - 1, Hex(active ? 0x4A4A4A : 0x383838));
    c.VLine(c.Width() - 2, 4, c.Height() - 1, Hex(active ? 0x4A4A4A : 0x383838));
    c.HLine(1, c.Width() - 1, c.Height() - 1, Hex(ink::Groove));
    if (active) c.HLine(2, c.Width() - 2, c.Height() - 1, Hex(ink::EmberDeep, 0.55f));
}

void EditFrame(Canvas& c, int state) {
    // Sunken field: a dark rim with an inner shadow; focus lights the rim
    // with ember and leaves a faint warm halo inside it.
    const float w = W(c), h = H(c);
    c.Fill(RoundRect(0, 0, w, h, 3), Hex(state > 0 ? ink::Ember : 0x151515));
    c.Fill(RoundRect(1, 1, w - 1, h - 1, 2), Hex(ink::Field));
    if (state > 0) {
        c.Fill(RoundRing(1, 1, w - 1, h - 1, 2, 1), Hex(ink::Ember, 0.22f));
    } else {
        c.HLine(2, c.Width() - 2, 1, Hex(0x262626));
        c.VLine(1, 2, c.Height() - 2, Hex(0x2C2C2C));
    }
}

void PanelRaised(Canvas& c, int) {
    c.Rect(0, 0, c.Width(), c.Height(), Hex(ink::Face));
    c.HLine(0, c.Width(), 0, Hex(0x3C3C3C));
    c.VLine(0, 0, c.Height(), Hex(0x3C3C3C));
    c.HLine(0, c.Width(), c.Height() - 1, Hex(ink::Groove));
    c.VLine(c.Width() - 1, 0, c.Height(), Hex(ink::Groove));
}

void PanelLowered(Canvas& c, int) {
    c.Rect(0, 0, c.Width(), c.Height(), Hex(0x282828));
    c.HLine(0, c.Width(), 0, Hex(ink::Groove));
    c.VLine(0, 0, c.Height(), Hex(ink::Groove));
    c.HLine(0, c.Width(), c.Height() - 1, Hex(0x3C3C3C));
    c.VLine(c.Width() - 1, 0, c.Height(), Hex(0x3C3C3C));
}

void GroupFrame(Canvas& c, int) {
    const float w = W(c), h = H(c);
    c.Fill(RoundRect(0, 0, w, h, 2), Hex(0x444444));
    c.Fill(RoundRect(1, 1, w - 1, h - 1, 1), Hex(0x1E1E1E));
    c.Rect(2, 2, c.Width() - 2, c.Height() - 2, Hex(ink::Face));
}

void PageFrame(Canvas& c, int) {
    c.Rect(0, 0, c.Width(), c.Height(), Hex(ink::Outline));
    c.Rect(1, 1, c.Width() - 1, c.Height() - 1, Hex(0x454545));
    c.Rect(2, 2, c.Width() - 2, c.Height() - 2, Hex(ink::Field));
}

void HintFrame(Canvas& c, int) {
    const float w = W(c), h = H(c);
    c.Fill(RoundRect(0, 0, w, h, 3), Hex(0x0E0E0E));
    c.Fill(RoundRect(1, 1, w - 1, h - 1, 2), VerticalRamp(1, Hex(0x3E3E3E), h - 1, Hex(0x333333)));
    c.Fill(Minus(RoundRect(1, 1, w - 1, h - 1, 2), RoundRect(1, 2, w - 1, h + 2, 2)), Hex(0x565656));
    c.HLine(3, c.Width() - 3, 2, Hex(ink::EmberDeep, 0.6f));
}

void MenuFrame(Canvas& c, int) {
    const float w = W(c), h = H(c);
    c.Fill(RoundRect(0, 0, w, h, 2), Hex(0x0C0C0C));
    c.Fill(RoundRect(1, 1, w - 1, h - 1, 1), Hex(0x474747));
    c.Rect(2, 2, c.Width() - 2, c.Height() - 2, Hex(ink::Menu));
}

void MenuItem(Canvas& c, int state) {
    const float w = W(c), h = H(c);
    c.Rect(0, 0, c.Width(), c.Height(), Hex(ink::Menu));
    if (state == 0) return;
    c.Fill(RoundRect(0, 0, w, h, 3), Hex(ink::EmberDeep));
    c.Fill(RoundRect(1, 1, w - 1, h - 1, 2), VerticalRamp(1, Hex(0x6A3016), h - 1, Hex(0x4E220E)));
    c.Fill(Minus(RoundRect(1, 1, w - 1, h - 1, 2), RoundRect(1, 2, w - 1, h + 2, 2)), Hex(0x8A4422));
}

void MenuDivider(Canvas& c, int) {
    c.HLine(0, c.Width(), 0, Hex(ink::Groove));
    c.HLine(0, c.Width(), 1, Hex(0x3A3A3A));
}

void ToolDivider(Canvas& c, int) {
    c.Rect(0, 0, c.Width(), c.Height(), Hex(ink::Face));
    c.VLine(1, 0, c.Height(), Hex(ink::Groove));
    c.VLine(2, 0, c.Height(), Hex(0x3E3E3E));
}

void ColumnHeader(Canvas& c, int state) {
    const Rgba top = Hex(state == 1 ? 0x404040 : state == 2 ? 0x262626 : 0x363636);
    const Rgba bottom = Hex(state == 1 ? 0x363636 : state == 2 ? 0x2A2A2A : 0x2D2D2D);
    c.Fill(Shape([](float, float) { return true; }), VerticalRamp(0, top, H(c), bottom));
    c.HLine(0, c.Width(), 0, Hex(state == 2 ? 0x1E1E1E : 0x484848));
    c.VLine(c.Width() - 2, 3, c.Height() - 3, Hex(ink::Groove));
    c.VLine(c.Width() - 1, 3, c.Height() - 3, Hex(0x454545));
    c.HLine(0, c.Width(), c.Height() - 1, Hex(ink::Outline));
    if (state > 0) c.HLine(0, c.Width(), c.Height() - 2, Hex(state == 2 ? ink::Ember : ink::EmberDeep));
}

}  // namespace pakmole::emberline::art
