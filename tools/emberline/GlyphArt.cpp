// Glyphs: caption buttons, check marks, radio dots, arrows and grips.
#include <algorithm>

#include "tools/emberline/Art.h"
#include "tools/emberline/Palette.h"

namespace pakmole::emberline::art {

namespace {

// Caption buttons have no plate until the mouse comes; close turns red-hot.
void TitlePlate(Canvas& c, int state, bool close) {
    if (state == 0) return;
    PlateStyle s;
    if (state == 1 && close) {
        s.outline = Hex(0x3A1208);
        s.top = Hex(0xD64C20);
        s.bottom = Hex(0xA8381A);
        s.highlight = Hex(0xEE7A48);
    } else if (state == 1) {
        s.outline = Hex(0x141414, 0.9f);
        s.top = Hex(0x505050);
        s.bottom = Hex(0x3E3E3E);
        s.highlight = Hex(0x666666);
        s.accent = Hex(ink::Ember, 0.45f);
    } else {
        s = ButtonPlate(2);
        if (close) {
            s.top = Hex(0x7A220E);
            s.bottom = Hex(0xA8361A);
        }
    }
    PaintPlate(c, s, 0, 0, W(c), H(c));
}

Rgba TitleInk(int state) {
    return Hex(state == 0 ? ink::Silver : state == 1 ? 0xF4F4F4 : 0xFFFFFF);
}

Rgba ArrowInk(int state) {
    return Hex(state == 0 ? 0xAAAAAA : state == 1 ? ink::EmberHot : 0xFFE6CC);
}

void CheckStroke(Canvas& c, float k, float ox, float oy, const Rgba& colour) {
    const float hw = 0.95f * std::max(1.0f, k);
    c.Fill(Union(Capsule(ox + 3.2f * k, oy + 6.6f * k, ox + 5.5f * k, oy + 9.0f * k, hw),
                 Capsule(ox + 5.5f * k, oy + 9.0f * k, ox + 9.9f * k, oy + 3.7f * k, hw)),
           colour);
}

// Check boxes and radio buttons keep the box square at the canvas height.
void Box(Canvas& c, int state, bool round) {
    const float s = std::min(W(c), H(c));
    const float r = round ? s / 2 : std::max(2.0f, s / 5);
    c.Fill(RoundRect(0, 0, s, s, r), Hex(state > 0 ? ink::Ember : 0x141414));
    c.Fill(RoundRect(1, 1, s - 1, s - 1, r - 1), VerticalRamp(1, Hex(0x202020), s - 1, Hex(0x303030)));
    if (state == 0)
        c.Fill(Minus(RoundRect(1, 1, s - 1, s - 1, r - 1), RoundRect(1, 2, s - 1, s + 1, r - 1)), Hex(0x1A1A1A));
}
}  // namespace

void TitleClose(Canvas& c, int state) {
    TitlePlate(c, state, true);
    const float cx = W(c) / 2, cy = H(c) / 2;
    const float d = 3.5f;
    c.Fill(Union(Capsule(cx - d, cy - d, cx + d, cy + d, 0.85f), Capsule(cx + d, cy - d, cx - d, cy + d, 0.85f)),
           TitleInk(state));
}

void TitleMaximize(Canvas& c, int state) {
    TitlePlate(c, state, false);
    const float cx = W(c) / 2, cy = H(c) / 2;
    c.Fill(Minus(RoundRect(cx - 4, cy - 4, cx + 4, cy + 4, 1), RoundRect(cx - 3, cy - 2, cx + 3, cy + 3, 0)),
           TitleInk(state));
}

void TitleRestore(Canvas& c, int state) {
    TitlePlate(c, state, false);
    const float cx = W(c) / 2, cy = H(c) / 2;
    const Shape back =
        Minus(RoundRect(cx - 2, cy - 5, cx + 5, cy + 2, 1), RoundRect(cx - 1, cy - 3, cx + 4, cy + 1, 0));
    const Shape frontArea = RoundRect(cx - 5, cy - 2, cx + 2, cy + 5, 1);
    const Shape front = Minus(frontArea, RoundRect(cx - 4, cy, cx + 1, cy + 4, 0));
    c.Fill(Union(Minus(back, frontArea), front), TitleInk(state));
}

void TitleMinimize(Canvas& c, int state) {
    TitlePlate(c, state, false);
    const float cx = W(c) / 2, cy = H(c) / 2;
    c.Fill(RoundRect(cx - 4, cy + 2, cx + 4, cy + 4, 0.5f), TitleInk(state));
}

void TitleHelp(Canvas& c, int state) {
    TitlePlate(c, state, false);
    const float cx = W(c) / 2, cy = H(c) / 2;
    const Shape arc = Minus(Disc(cx, cy - 2, 3.3f), Disc(cx, cy - 2, 1.7f));
    const Shape openLeftBottom = [cx, cy](float x, float y) { return y < cy - 1.6f || x > cx + 0.4f; };
    const Shape hook = [arc, openLeftBottom](float x, float y) { return arc(x, y) && openLeftBottom(x, y); };
    const Shape stem = Capsule(cx + 1.6f, cy - 0.6f, cx, cy + 1.2f, 0.8f);
    c.Fill(Union(Union(hook, stem), Disc(cx, cy + 3.6f, 1.0f)), TitleInk(state));
}

void MenuCheck(Canvas& c, int state) {
    CheckStroke(c, 1.0f, 0.5f, 0, Hex(state == 0 ? ink::Silver : 0xFFFFFF));
}

void BoxUnchecked(Canvas& c, int state) {
    Box(c, state, false);
}

void BoxChecked(Canvas& c, int state) {
    Box(c, state, false);
    const float k = std::min(W(c), H(c)) / 13.0f;
    CheckStroke(c, k, 0, 0, Hex(state > 0 ? ink::EmberLight : ink::EmberHot));
}

void BoxGrayed(Canvas& c, int state) {
    Box(c, state, false);
    const float s = std::min(W(c), H(c));
    c.Fill(RoundRect(s * 0.31f, s * 0.31f, s * 0.69f, s * 0.69f, 1), Hex(ink::EmberDeep, state > 0 ? 1.0f : 0.8f));
}

void RadioUnchecked(Canvas& c, int state) {
    Box(c, state, true);
}

void RadioChecked(Canvas& c, int state) {
    Box(c, state, true);
    const float s = std::min(W(c), H(c));
    c.Fill(Disc(s / 2, s / 2, s * 0.2f), Hex(state > 0 ? ink::EmberLight : ink::EmberHot));
}

void RadioGrayed(Canvas& c, int state) {
    Box(c, state, true);
    const float s = std::min(W(c), H(c));
    c.Fill(Disc(s / 2, s / 2, s * 0.2f), Hex(ink::EmberDeep, state > 0 ? 1.0f : 0.7f));
}

void ArrowDown(Canvas& c, int state) {
    c.Fill(Triangle(0.5f, 2.5f, 8.5f, 2.5f, 4.5f, 6.5f), ArrowInk(state));
}

void ArrowUp(Canvas& c, int state) {
    Canvas down(c.Width(), c.Height());
    ArrowDown(down, state);
    c = down.FlippedVertically();
}

void ArrowLeft(Canvas& c, int state) {
    Canvas up(c.Height(), c.Width());
    ArrowUp(up, state);
    c = up.Transposed();
}

void ArrowRight(Canvas& c, int state) {
    Canvas down(c.Height(), c.Width());
    ArrowDown(down, state);
    c = down.Transposed();
}

void GripLinesH(Canvas& c, int state) {
    const Rgba light = Hex(state == 0 ? 0x6E6E6E : state == 1 ? ink::EmberHot : 0xFFD8B0);
    for (int x = 1; x < c.Width() - 1; x += 2) {
        c.VLine(x, 1, c.Height() - 1, light);
        c.VLine(x + 1, 2, c.Height(), Hex(0x1A1A1A, 0.8f));
    }
}

void GripLinesV(Canvas& c, int state) {
    Canvas h(c.Height(), c.Width());
    GripLinesH(h, state);
    c = h.Transposed();
}

void SizeGrip(Canvas& c, int) {
    for (int a = 0; a < 3; ++a)
        for (int b = 0; a + b < 3; ++b) {
            const int x = c.Width() - 3 - 4 * a, y = c.Height() - 3 - 4 * b;
            c.Rect(x + 1, y + 1, x + 3, y + 3, Hex(0x0E0E0E));
            c.Rect(x, y, x + 2, y + 2, Hex(0x5E5E5E));
        }
}

void GripDots(Canvas& c, int) {
    c.Blend(1, 1, Hex(0x5A5A5A));
    c.Blend(2, 2, Hex(0x121212, 0.8f));
}

}  // namespace pakmole::emberline::art
