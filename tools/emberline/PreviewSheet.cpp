#include "tools/emberline/PreviewSheet.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tools/emberline/MaskTable.h"
#include "tools/emberline/Palette.h"
#include "tools/emberline/SkinFiles.h"
#include "tools/emberline/TinyFont.h"

namespace pakmole::emberline {

namespace {

constexpr uint32_t kSheet = 0x6A6A6A;  // neutral grey, away from the skin's own greys
constexpr uint32_t kLabel = 0xF2F2F2;
constexpr uint32_t kNote = 0xD4D4D4;

struct Box {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

int Ch(uint32_t c, int shift) {
    return static_cast<int>((c >> shift) & 0xFF);
}

// d' = s + m * (d - s) / 256 per channel: the engine's mask blend.
uint32_t MaskBlend(uint32_t d, uint32_t s, uint32_t m) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int sc = Ch(s, shift), dc = Ch(d, shift), mc = Ch(m, shift);
        const int v = sc + static_cast<int>(std::floor(mc * (dc - sc) / 256.0));
        out |= static_cast<uint32_t>(std::clamp(v, 0, 255)) << shift;
    }
    return out;
}

uint32_t Mix(uint32_t a, uint32_t b, float t) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const float v = static_cast<float>(Ch(a, shift)) * (1 - t) + static_cast<float>(Ch(b, shift)) * t;
        out |= static_cast<uint32_t>(std::clamp(static_cast<int>(std::lround(v)), 0, 255)) << shift;
    }
    return out;
}

void Fill(Image24& img, const Box& b, uint32_t rgb) {
    for (int y = std::max(0, b.top); y < std::min(img.Height(), b.bottom); ++y)
        for (int x = std::max(0, b.left); x < std::min(img.Width(), b.right); ++x) img.Set(x, y, rgb);
}

bool Inside(const Image24& img, int x, int y) {
    return x >= 0 && y >= 0 && x < img.Width() && y < img.Height();
}

// Copies a source area to a target area, stretched (nearest pixel) or tiled,
// the way the skin engine lays the pieces of a frame.
void Lay(Image24& dst, const Image24& src, const MaskPiece& p, int sx, int sy, int sw, int sh, const Box& to,
         bool keyed, bool stretch) {
    if (sw <= 0 || sh <= 0) return;
    for (int ty = 0; ty < to.Height(); ++ty)
        for (int tx = 0; tx < to.Width(); ++tx) {
            const int x = to.left + tx, y = to.top + ty;
            if (!Inside(dst, x, y)) continue;
            const int ux = sx + (stretch ? tx * sw / to.Width() : tx % sw);
            const int uy = sy + (stretch ? ty * sh / to.Height() : ty % sh);
            const uint32_t s = src.Get(ux, uy);
            if (p.maskKind > 0) {
                if (s == kKeyColour) continue;
                dst.Set(x, y, MaskBlend(dst.Get(x, y), s, src.Get(ux, uy + p.stateHeight)));
            } else if (!(keyed && s == kKeyColour)) {
                dst.Set(x, y, s);
            }
        }
}

void PaintFrame(Image24& dst, const Image24& src, const MaskPiece& p, const Box& r, int state) {
    if ((state == 0 && (p.paintFlags & 2)) || r.Width() < 2 || r.Height() < 2) return;
    int l = p.marginLeft, t = p.marginTop, rr = p.marginRight, b = p.marginBottom;
    if (r.Width() < l + rr) {
        const int over = l + rr - r.Width(), half = over / 2;
        l = std::max(0, l - half);
        rr = std::max(0, rr - half - over % 2);
    }
    if (r.Height() < t + b) {
        const int over = t + b - r.Height(), half = over / 2;
        t = std::max(0, t - half);
        b = std::max(0, b - half - over % 2);
    }
    const int k = std::min(state, p.states - 1);
    const int fw = p.stateWidth, fh = p.stateHeight;
    const int cw = fw - l - rr, ch = fh - t - b;
    if (cw < 0 || ch < 0) return;
    const int sx = p.left + k * fw, sy = p.top;
    const bool stretch = p.paintFlags & 1;
    Lay(dst, src, p, sx, sy, l, t, {r.left, r.top, r.left + l, r.top + t}, true, false);
    Lay(dst, src, p, sx, sy + t, l, ch, {r.left, r.top + t, r.left + l, r.bottom - b}, false, stretch);
    Lay(dst, src, p, sx + l, sy, cw, t, {r.left + l, r.top, r.right - rr, r.top + t}, false, stretch);
    Lay(dst, src, p, sx, sy + fh - b, l, b, {r.left, r.bottom - b, r.left + l, r.bottom}, true, false);
    Lay(dst, src, p, sx + l, sy + fh - b, cw, b, {r.left + l, r.bottom - b, r.right - rr, r.bottom}, false, stretch);
    Lay(dst, src, p, sx + l + cw, sy + fh - b, rr, b, {r.right - rr, r.bottom - b, r.right, r.bottom}, true, false);
    Lay(dst, src, p, sx + l + cw, sy, rr, t, {r.right - rr, r.top, r.right, r.top + t}, true, false);
    Lay(dst, src, p, sx + l + cw, sy + t, rr, ch, {r.right - rr, r.top + t, r.right, r.bottom - b}, false, stretch);
    if (p.paintFlags & 4)
        Lay(dst, src, p, sx + l, sy + t, cw, ch, {r.left + l, r.top + t, r.right - rr, r.bottom - b}, false, stretch);
}

void PaintImage(Image24& dst, const Image24& src, const MaskPiece& p, int x, int y, int state, bool faded = false) {
    const int k = std::min(state, p.states - 1);
    for (int v = 0; v < p.stateHeight; ++v)
        for (int u = 0; u < p.stateWidth; ++u) {
            const int sx = p.left + k * p.stateWidth + u, sy = p.top + v;
            const uint32_t s = src.Get(sx, sy);
            if (s == kKeyColour || !Inside(dst, x + u, y + v)) continue;
            if (p.maskKind > 0) {
                uint32_t m = src.Get(sx, sy + p.stateHeight);
                if (faded) m = Mix(m, 0xFFFFFF, 100.0f / 255.0f);
                dst.Set(x + u, y + v, MaskBlend(dst.Get(x + u, y + v), s, m));
            } else {
                dst.Set(x + u, y + v, faded ? Mix(s, dst.Get(x + u, y + v), 0.5f) : s);
            }
        }
}

const MaskPiece& Piece(const char* section, const char* key) {
    for (const MaskPiece& p : MasterPieces())
        if (std::string(p.section) == section && std::string(p.key) == key) return p;
    return ButtonHugePiece();
}

const MaskPiece& Frame(const char* section) {
    return Piece(section, "BORDERSMASK");
}

// A soft glow under a label, like the active caption's text glow.
void GlowLabel(Image24& dst, int x, int y, const std::string& text, uint32_t glow, int size) {
    const int pad = size + 3;
    const int w = LabelWidth(text) + 2 * pad, h = kLabelHeight + 2 * pad;
    Image24 mask(w, h, 0);
    DrawLabel(mask, pad, pad, text, 0xFFFFFF);
    std::vector<float> a(static_cast<size_t>(w) * h), tmp(a.size());
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) a[static_cast<size_t>(j) * w + i] = (mask.Get(i, j) & 0xFF) / 255.0f;
    for (int pass = 0; pass < 2; ++pass) {
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                float s = 0;
                for (int o = -size; o <= size; ++o) s += a[static_cast<size_t>(j) * w + std::clamp(i + o, 0, w - 1)];
                tmp[static_cast<size_t>(j) * w + i] = s / static_cast<float>(2 * size + 1);
            }
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                float s = 0;
                for (int o = -size; o <= size; ++o) s += tmp[static_cast<size_t>(std::clamp(j + o, 0, h - 1)) * w + i];
                a[static_cast<size_t>(j) * w + i] = s / static_cast<float>(2 * size + 1);
            }
    }
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int px = x - pad + i + 1, py = y - pad + j + 1;
            if (!Inside(dst, px, py)) continue;
            const float t = std::min(1.0f, a[static_cast<size_t>(j) * w + i] * 2.4f);
            dst.Set(px, py, Mix(dst.Get(px, py), glow, t));
        }
}

Image24 Scaled(const Image24& img, int scale) {
    Image24 out(img.Width() * scale, img.Height() * scale);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) out.Set(x, y, img.Get(x / scale, y / scale));
    return out;
}

void Paste(Image24& dst, const Image24& src, int x, int y) {
    for (int v = 0; v < src.Height(); ++v)
        for (int u = 0; u < src.Width(); ++u)
            if (Inside(dst, x + u, y + v)) dst.Set(x + u, y + v, src.Get(u, v));
}

void CentredLabel(Image24& dst, const Box& b, const std::string& text, uint32_t rgb) {
    DrawLabel(dst, b.left + (b.Width() - LabelWidth(text)) / 2, b.top + (b.Height() - kLabelHeight) / 2, text, rgb);
}

// The main window as the program shows it: 459 x 84 client pixels inside a
// fixed 3-pixel frame and a 19-pixel caption (the platform's usual sizes).
Image24 MockWindow(const Image24& master, bool active) {
    constexpr int kFrame = 3, kCaption = 19, kClientW = 459, kClientH = 84;
    const int w = kClientW + 2 * kFrame, h = kCaption + kFrame + kClientH + kFrame;
    Image24 img(w, h, kSheet);
    const int state = active ? 1 : 0;
    Fill(img, {0, 0, w, h}, ink::Face);
    PaintFrame(img, master, Frame("FORM"), {0, 0, w, h}, state);
    const int strip = kFrame + kCaption;
    PaintFrame(img, master, Frame("FORMTITLE"), {0, 0, w, strip}, state);
    // Corners outside the window's region show what lies behind it.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (img.Get(x, y) == kKeyColour) img.Set(x, y, kSheet);
    const int centre = kCaption / 2 + kFrame / 2;
    const MaskPiece& close = Piece("GLOBALINFO", "BICONCLOSE");
    const MaskPiece& minimize = Piece("GLOBALINFO", "BICONMIN");
    const int closeRight = w - 1 - kFrame;  // BIRIGHT 1
    const int top = centre - close.stateHeight / 2;
    PaintImage(img, master, close, closeRight - close.stateWidth, top, 0, !active);
    PaintImage(img, master, minimize, closeRight - close.stateWidth - 2 - minimize.stateWidth, top, 0, !active);
    // Icon stand-in: the program's own icon is not part of the skin.
    Fill(img, {kFrame + 2 + 1, centre - 7, kFrame + 2 + 15, centre + 7}, 0x8A8A8A);
    const std::string caption = "Pakmole by Tarvel v0.5";
    const int tx = kFrame + 16 + 2 + 4, ty = centre - kLabelHeight / 2;
    if (active) GlowLabel(img, tx, ty, caption, 0x692A22, 3);
    DrawLabel(img, tx, ty, caption, active ? 0xFFFFE1 : 0xFFFFCE);

    const int cx = kFrame, cy = strip;
    const Box edit{cx + 16, cy + 8, cx + 16 + 433, cy + 8 + 21};
    Fill(img, edit, ink::Field);
    PaintFrame(img, master, Frame("EDIT"), edit, 0);
    DrawLabel(img, edit.left + 6, edit.top + 7, "Select pak-file (Unreal Engine 4) for Unpacking", ink::Silver);
    const Box browse{edit.right - 2 - 18, edit.top + 2, edit.right - 2, edit.bottom - 2};
    // Stand-in for the browse glyph, which the program carries itself.
    for (int i = 0; i < 3; ++i)
        Fill(img, {browse.left + 5 + i * 3, browse.top + 10, browse.left + 7 + i * 3, browse.top + 12}, ink::Silver);
    const Box button{cx + 16, cy + 32, cx + 16 + 433, cy + 32 + 25};
    PaintFrame(img, master, Frame("BUTTON"), button, 0);
    CentredLabel(img, button, "Unpack", ink::Silver);
    const Box bar{cx, cy + 67, cx + 459, cy + 84};
    PaintFrame(img, master, Frame("GAUGE"), bar, 0);
    PaintFrame(img, master, Frame("PROGRESSH"), {bar.left + 2, bar.top + 2, bar.left + 2 + 180, bar.bottom - 2}, 0);
    return img;
}

// The completion message: a dialog with the form's frame, the close button
// only, and its default button in the hot look.
Image24 MockMessage(const Image24& master) {
    constexpr int kFrame = 3, kCaption = 19, kClientW = 180, kClientH = 84;
    const int w = kClientW + 2 * kFrame, h = kCaption + kFrame + kClientH + kFrame;
    Image24 img(w, h, kSheet);
    Fill(img, {0, 0, w, h}, ink::Face);
    PaintFrame(img, master, Frame("FORM"), {0, 0, w, h}, 1);
    const int strip = kFrame + kCaption;
    PaintFrame(img, master, Frame("FORMTITLE"), {0, 0, w, strip}, 1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (img.Get(x, y) == kKeyColour) img.Set(x, y, kSheet);
    const MaskPiece& close = Piece("GLOBALINFO", "BICONCLOSE");
    const int centre = kCaption / 2 + kFrame / 2;
    PaintImage(img, master, close, w - 1 - kFrame - close.stateWidth, centre - close.stateHeight / 2, 0);
    const std::string caption = "Pakmole by Tarvel";
    GlowLabel(img, kFrame + 6, centre - kLabelHeight / 2, caption, 0x692A22, 3);
    DrawLabel(img, kFrame + 6, centre - kLabelHeight / 2, caption, 0xFFFFE1);
    DrawLabel(img, kFrame + 24, strip + 22, "DONE!", ink::Silver);
    const Box ok{w / 2 - 37, strip + 48, w / 2 + 38, strip + 48 + 23};
    PaintFrame(img, master, Frame("BUTTON"), ok, 1);
    CentredLabel(img, ok, "OK", 0xFFF2E6);
    return img;
}

// The skinned system menu of the main window, "Minimize" under the mouse.
Image24 MockMenu(const Image24& master) {
    struct Item {
        const char* text;
        const char* key;
        bool enabled;
    };
    const Item items[] = {{"Restore", "", false}, {"Move", "", true},  {"Size", "", false},
                          {"Minimize", "", true}, {"-", "", true},     {"Close", "Alt+F4", true}};
    constexpr int kBorder = 3, kItem = 20, kDivider = 2, kWidth = 170, kGlyphStrip = 26;
    int height = 2 * kBorder;
    for (const Item& i : items) height += std::string(i.text) == "-" ? kDivider + 6 : kItem;
    Image24 img(kWidth, height, kSheet);
    Fill(img, {0, 0, kWidth, height}, ink::Menu);
    PaintFrame(img, master, Frame("MAINMENU"), {0, 0, kWidth, height}, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (img.Get(x, y) == kKeyColour) img.Set(x, y, kSheet);
    int y = kBorder;
    for (const Item& i : items) {
        if (std::string(i.text) == "-") {
            PaintFrame(img, master, Frame("DIVIDERV"), {kGlyphStrip, y + 3, kWidth - 8, y + 3 + kDivider}, 0);
            y += kDivider + 6;
            continue;
        }
        const bool selected = std::string(i.text) == "Minimize";
        const Box row{kBorder, y, kWidth - kBorder, y + kItem};
        PaintFrame(img, master, Frame("MENUITEM"), row, selected ? 1 : 0);
        const uint32_t colour = selected ? 0xFFFFFF : i.enabled ? ink::Silver : Mix(ink::Silver, ink::Menu, 0.6f);
        DrawLabel(img, kGlyphStrip + 6, y + (kItem - kLabelHeight) / 2, i.text, colour);
        if (*i.key) DrawLabel(img, kWidth - 12 - LabelWidth(i.key), y + (kItem - kLabelHeight) / 2, i.key, colour);
        y += kItem;
    }
    return img;
}

// Buttons, fields and glyphs in each of their states, side by side.
Image24 StateStrip(const Image24& master) {
    Image24 img(465, 130, ink::Face);
    const char* names[] = {"Normal", "Hot", "Pressed"};
    for (int s = 0; s < 3; ++s) {
        const Box b{8 + s * 152, 8, 8 + s * 152 + 144, 33};
        PaintFrame(img, master, Frame("BUTTON"), b, s);
        CentredLabel(img, b, names[s], s == 0 ? ink::Silver : 0xFFF2E6);
    }
    for (int s = 0; s < 2; ++s) {
        const Box e{8 + s * 228, 42, 8 + s * 228 + 220, 63};
        Fill(img, e, ink::Field);
        PaintFrame(img, master, Frame("EDIT"), e, s);
        DrawLabel(img, e.left + 6, e.top + 7, s ? "Focused edit" : "Edit", s ? ink::Bright : ink::Silver);
        const Box sb{e.right - 20, e.top + 2, e.right - 2, e.bottom - 2};
        PaintFrame(img, master, Frame("SPEEDBUTTON_SMALL"), sb, s + 1);
    }
    const char* glyphs[] = {"BOXUNCHECKED", "BOXCHECKED", "BOXGRAYED", "RADIOUNCHECKED", "RADIOCHECKED", "RADIOGRAYED"};
    int x = 8;
    for (const char* g : glyphs)
        for (int s = 0; s < 2; ++s) {
            PaintImage(img, master, Piece("GLOBALINFO", g), x, 74, s);
            x += 20;
        }
    // Caption buttons on a caption-dark backing, one row per state.
    const char* title[] = {"BICONMIN", "BICONMAX", "BICONNORM", "BICONHELP", "BICONCLOSE"};
    Fill(img, {300, 66, 465, 130}, 0x2E2E2E);
    for (int s = 0; s < 3; ++s)
        for (int i = 0; i < 5; ++i)
            PaintImage(img, master, Piece("GLOBALINFO", title[i]), 306 + i * 31, 68 + s * 20, s);
    const Box menu{8, 96, 280, 122};
    PaintFrame(img, master, Frame("MAINMENU"), menu, 0);
    PaintFrame(img, master, Frame("MENUITEM"), {menu.left + 3, menu.top + 3, menu.right - 3, menu.bottom - 3}, 1);
    DrawLabel(img, menu.left + 12, menu.top + 9, "Selected menu item", 0xFFFFFF);
    return img;
}

// One enlarged piece: the image band composited on a checker, so keyed and
// see-through pixels show.
Image24 PieceTile(const Image24& source, const MaskPiece& p, int scale) {
    const int w = p.stateWidth * p.states, h = p.stateHeight;
    Image24 tile(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) tile.Set(x, y, ((x / 4 + y / 4) % 2) ? 0x7C7C7C : 0x585858);
    for (int s = 0; s < p.states; ++s) PaintImage(tile, source, p, s * p.stateWidth, 0, s);
    return Scaled(tile, scale);
}

}  // namespace

Image24 RenderPreviewSheet() {
    const Image24 master = RenderMaster();
    const Image24 huge = RenderButtonHuge();
    constexpr int kWidth = 1440;

    struct Cell {
        Image24 picture;
        std::string name;
        std::string note;
    };
    std::vector<Cell> cells;
    auto add = [&](const Image24& src, const MaskPiece& p) {
        const int longest = std::max(p.stateWidth * p.states, p.stateHeight);
        const int scale = longest > 150 ? 1 : longest > 60 ? 2 : 3;
        std::string kind = p.maskKind ? ", mask band" : ", keyed";
        cells.push_back(
            {PieceTile(src, p, scale), std::string(p.section) + "/" + p.key,
             std::to_string(p.states) + (p.states == 1 ? " state" : " states") + kind + " x" + std::to_string(scale)});
    };
    for (const MaskPiece& p : MasterPieces()) add(master, p);
    add(huge, ButtonHugePiece());

    // Flow the cells into rows.
    struct Placed {
        const Cell* cell;
        int x, y;
    };
    std::vector<Placed> placed;
    const int mockTop = 48;
    const Image24 active = Scaled(MockWindow(master, true), 2);
    const Image24 inactive = MockWindow(master, false);
    const Image24 states = Scaled(StateStrip(master), 2);
    const Image24 message = Scaled(MockMessage(master), 2);
    const Image24 menu = Scaled(MockMenu(master), 2);
    const int sideX = 16 + active.Width() + 16;
    const int messageTop = mockTop + inactive.Height() + 56;
    const int menuTop = messageTop + message.Height() + 24;
    int y = std::max(mockTop + active.Height() + 30 + states.Height(), menuTop + menu.Height()) + 40;
    int x = 16, rowHeight = 0;
    for (const Cell& c : cells) {
        const int w = std::max(c.picture.Width(), std::max(LabelWidth(c.name), LabelWidth(c.note)));
        if (x + w > kWidth - 16) {
            x = 16;
            y += rowHeight + 14;
            rowHeight = 0;
        }
        placed.push_back({&c, x, y});
        x += w + 22;
        rowHeight = std::max(rowHeight, c.picture.Height() + 2 * (kLabelHeight + 4));
    }
    Image24 sheet(kWidth, y + rowHeight + 16, kSheet);
    DrawLabel(sheet, 16, 12, "Emberline (internal): the built-in skin of Pakmole", kLabel, 2);
    DrawLabel(sheet, 16, mockTop - 12, "Main window, active (x2)", kLabel);
    Paste(sheet, active, 16, mockTop);
    DrawLabel(sheet, 16 + active.Width() + 16, mockTop - 12, "Inactive (x1)", kLabel);
    Paste(sheet, inactive, 16 + active.Width() + 16, mockTop);
    DrawLabel(sheet, 16 + active.Width() + 16, mockTop + inactive.Height() + 10, "Labels: 5x7 stand-in font", kNote);
    DrawLabel(sheet, 16 + active.Width() + 16, mockTop + inactive.Height() + 22, "Bar: skin gauge pieces", kNote);
    DrawLabel(sheet, sideX, messageTop - 12, "Completion message (x2)", kLabel);
    Paste(sheet, message, sideX, messageTop);
    DrawLabel(sheet, sideX, menuTop - 12, "System menu (x2)", kLabel);
    Paste(sheet, menu, sideX, menuTop);
    const int statesTop = mockTop + active.Height() + 30;
    DrawLabel(sheet, 16, statesTop - 14, "States: normal, hot, pressed (x2)", kLabel);
    Paste(sheet, states, 16, statesTop);
    for (const Placed& p : placed) {
        DrawLabel(sheet, p.x, p.y, p.cell->name, kLabel);
        DrawLabel(sheet, p.x, p.y + kLabelHeight + 3, p.cell->note, kNote);
        Paste(sheet, p.cell->picture, p.x, p.y + 2 * (kLabelHeight + 4));
    }
    return sheet;
}

}  // namespace pakmole::emberline
