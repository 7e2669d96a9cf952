// Raised plates: push buttons, flat tool buttons, tabs and scroll bar parts.
#include <algorithm>

#include "tools/emberline/Art.h"
#include "tools/emberline/Palette.h"

namespace pakmole::emberline {

namespace {
const Rgba kNone{};
}  // namespace

PlateStyle ButtonPlate(int state) {
    PlateStyle s;
    switch (state) {
        case 0:
            s.outline = Hex(ink::Outline);
            s.top = Hex(0x404040);
            s.bottom = Hex(0x2E2E2E);
            s.highlight = Hex(0x585858);
            break;
        case 1:  // hot: the charcoal warms up and an ember rim lights
            s.outline = Hex(0x2A1408);
            s.top = Hex(0x4A4541);
            s.bottom = Hex(0x35302C);
            s.highlight = Hex(0x6A5E55);
            s.accent = Hex(ink::Ember, 0.85f);
            break;
        default:  // pressed: glowing embers, lit from below
            s.outline = Hex(0x1A0C06);
            s.top = Hex(0x6E2C10);
            s.bottom = Hex(0xA8481A);
            s.highlight = Hex(0x52200A);
            s.accent = Hex(ink::EmberHot, 0.5f);
            break;
    }
    return s;
}

PlateStyle FlatPlate(int state) {
    PlateStyle s = ButtonPlate(state);
    if (state == 0) {
        s.outline = s.top = s.bottom = s.highlight = kNone;
    } else if (state == 1) {
        s.outline = Hex(0x1A1A1A);
        s.top = Hex(0x4A4A4A);
        s.bottom = Hex(0x3C3C3C);
        s.highlight = Hex(0x5E5E5E);
        s.accent = Hex(ink::Ember, 0.55f);
    }
    return s;
}

void PaintPlate(Canvas& c, const PlateStyle& s, float l, float t, float r, float b) {
    const float ri = std::max(0.0f, s.radius - 1);
    if (s.outline.a > 0) c.Fill(RoundRect(l, t, r, b, s.radius), s.outline);
    if (s.top.a > 0 || s.bottom.a > 0)
        c.Fill(RoundRect(l + 1, t + 1, r - 1, b - 1, ri), VerticalRamp(t + 1, s.top, b - 1, s.bottom));
    if (s.accent.a > 0) c.Fill(RoundRing(l + 1, t + 1, r - 1, b - 1, ri, 1), s.accent);
    if (s.highlight.a > 0)
        c.Fill(Minus(RoundRect(l + 1, t + 1, r - 1, b - 1, ri), RoundRect(l + 1, t + 2, r - 1, b + 1, ri)),
               s.highlight);
}

namespace art {

void Button(Canvas& c, int state) {
    PaintPlate(c, ButtonPlate(state), 0, 0, W(c), H(c));
}

void FlatButton(Canvas& c, int state) {
    // The normal state is never painted (the section says so); it shows the
    // field it sits on in the preview.
    if (state == 0) {
        c.Rect(0, 0, c.Width(), c.Height(), Hex(ink::Field));
        return;
    }
    c.Rect(0, 0, c.Width(), c.Height(), Hex(ink::Field));
    PaintPlate(c, FlatPlate(state), 0, 0, W(c), H(c));
}

void HugeButton(Canvas& c, int state) {
    // Large plates carry a soft shadow, which their mask band lets through.
    const float w = W(c), h = H(c);
    for (int i = 6; i >= 1; --i) {
        const float d = static_cast<float>(i);
        c.Fill(RoundRect(6 - d * 0.5f, 8 - d * 0.3f, w - 6 + d * 0.5f, h - 4 + d * 0.6f, 12 + d), Hex(0x000000, 0.06f));
    }
    PlateStyle s = ButtonPlate(state);
    s.radius = 12;
    PaintPlate(c, s, 6, 6, w - 6, h - 8);
    if (state == 1) c.Fill(RoundRing(5, 5, w - 5, h - 7, 13, 1), Hex(ink::Ember, 0.25f));
}

void TabTop(Canvas& c, int state) {
    // Tabs are open at the bottom, where they meet their page.
    const float w = W(c), h = H(c);
    c.Rect(0, 0, c.Width(), c.Height(), Hex(ink::Face));
    PlateStyle s;
    s.outline = Hex(ink::Outline);
    s.top = Hex(state == 2 ? 0x3A3A3A : state == 1 ? 0x383838 : 0x2E2E2E);
    s.bottom = Hex(state == 2 ? ink::Field : state == 1 ? 0x303030 : 0x272727);
    s.highlight = Hex(state == 0 ? 0x404040 : 0x505050);
    PaintPlate(c, s, 0, 0, w, h + 4);
    if (state > 0) {
        const Rgba accent = Hex(state == 2 ? ink::Ember : ink::EmberDeep);
        c.Fill(Minus(RoundRect(1, 1, w - 1, h, 2), RoundRect(1, state == 2 ? 3 : 2, w - 1, h + 2, 2)), accent);
    }
}

void TabBottom(Canvas& c, int state) {
    Canvas top(c.Width(), c.Height());
    TabTop(top, state);
    c = top.FlippedVertically();
}

void TabLeft(Canvas& c, int state) {
    Canvas top(c.Height(), c.Width());
    TabTop(top, state);
    c = top.Transposed();
}

void TabRight(Canvas& c, int state) {
    Canvas top(c.Height(), c.Width());
    TabTop(top, state);
    c = top.Transposed().FlippedHorizontally();
}

void ScrollButton(Canvas& c, int state) {
    c.Rect(0, 0, c.Width(), c.Height(), Hex(ink::Well));
    PlateStyle s;
    s.radius = 2;
    switch (state) {
        case 0:
            s.outline = Hex(0x1A1A1A);
            s.top = Hex(0x333333);
            s.bottom = Hex(0x2C2C2C);
            s.highlight = Hex(0x3E3E3E);
            break;
        case 1:
            s.outline = Hex(0x1A1A1A);
            s.top = Hex(0x424242);
            s.bottom = Hex(0x383838);
            s.highlight = Hex(0x505050);
            s.accent = Hex(ink::Ember, 0.45f);
            break;
        default:
            s = ButtonPlate(2);
            s.radius = 2;
            break;
    }
    PaintPlate(c, s, 1, 1, W(c) - 1, H(c) - 1);
}

namespace {
void Thumb(Canvas& c, int state) {
    c.Rect(0, 0, c.Width(), c.Height(), Hex(ink::Well));
    PlateStyle s;
    switch (state) {
        case 0:
            s.outline = Hex(0x161616);
            s.top = Hex(0x4A4A4A);
            s.bottom = Hex(0x3E3E3E);
            s.highlight = Hex(0x5C5C5C);
            break;
        case 1:
            s.outline = Hex(0x161616);
            s.top = Hex(0x565250);
            s.bottom = Hex(0x474340);
            s.highlight = Hex(0x6A6460);
            s.accent = Hex(ink::Ember, 0.7f);
            break;
        default:
            s = ButtonPlate(2);
            break;
    }
    PaintPlate(c, s, 1, 1, W(c) - 1, H(c) - 1);
}

void Track(Canvas& c, int state) {
    c.Rect(0, 0, c.Width(), c.Height(), Hex(state == 0 ? ink::Well : 0x272727));
    c.HLine(0, c.Width(), 0, Hex(ink::Groove));
    c.HLine(0, c.Width(), c.Height() - 1, Hex(0x2A2A2A));
}
}  // namespace

void ScrollThumbH(Canvas& c, int state) {
    Thumb(c, state);
}

void ScrollThumbV(Canvas& c, int state) {
    Canvas h(c.Height(), c.Width());
    Thumb(h, state);
    c = h.Transposed();
}

void ScrollTrackH(Canvas& c, int state) {
    Track(c, state);
}

void ScrollTrackV(Canvas& c, int state) {
    Canvas h(c.Height(), c.Width());
    Track(h, state);
    c = h.Transposed();
}

void GaugeTrack(Canvas& c, int) {
    c.Rect(0, 0, c.Width(), c.Height(), Hex(ink::Face));
    c.Fill(RoundRect(0, 0, W(c), H(c), 3), Hex(ink::Outline));
    c.Fill(RoundRect(1, 1, W(c) - 1, H(c) - 1, 2), VerticalRamp(1, Hex(0x1B1B1B), H(c) - 1, Hex(0x252525)));
    c.HLine(2, c.Width() - 2, c.Height() - 1, Hex(0x3A3A3A));
}

void ProgressBarH(Canvas& c, int) {
    const float w = W(c), h = H(c);
    c.Rect(0, 0, c.Width(), c.Height(), Hex(ink::Well));
    c.Fill(RoundRect(1, 1, w - 1, h - 1, 2), Hex(0x4A1E08));
    c.Fill(RoundRect(2, 2, w - 2, h - 2, 1.5f), VerticalRamp(2, Hex(ink::EmberHot), h - 2, Hex(0xB04A16)));
    c.HLine(3, c.Width() - 3, 2, Hex(ink::EmberLight, 0.7f));
}

void ProgressBarV(Canvas& c, int state) {
    Canvas h(c.Height(), c.Width());
    ProgressBarH(h, state);
    c = h.Transposed();
}

}  // namespace art
}  // namespace pakmole::emberline
