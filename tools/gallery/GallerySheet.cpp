#include "tools/gallery/GallerySheet.h"

#include <algorithm>
#include <string>

#include "skin/render/Blend.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/PixelCopy.h"
#include "tools/emberline/Image24.h"
#include "tools/emberline/TinyFont.h"

namespace pakmole::gallery {
namespace {

struct CellSize {
    int Width, Height;
};
// A glyph-sized square, a button-like bar and a panel-like block.
constexpr CellSize kSizes[] = {{24, 24}, {110, 26}, {170, 64}};
constexpr int kStates = 3;
constexpr int kGap = 8;
constexpr int kLabelWidth = 150;
constexpr int kRowHeight = 64 + 2 * kGap;
constexpr int kHeaderHeight = 24;

constexpr int32_t kSheetColor = 0x1D1D1D;
constexpr uint32_t kTextPixel = 0xFFC8C8C8;
constexpr uint32_t kDimTextPixel = 0xFF7A7A7A;

void DrawText(TBitmap32& sheet, int x, int y, const std::string& text, uint32_t pixel) {
    const int w = emberline::LabelWidth(text);
    if (w <= 0) return;
    emberline::Image24 label(w, emberline::kLabelHeight);
    emberline::DrawLabel(label, 0, 0, text, 0xFFFFFF);
    for (int j = 0; j < label.Height(); ++j)
        for (int i = 0; i < label.Width(); ++i)
            if (label.Get(i, j) != emberline::kKeyColour && sheet.Contains(x + i, y + j))
                sheet.Pixel(x + i, y + j) = pixel;
}

int StateBlockWidth() {
    int w = 0;
    for (const auto& s : kSizes) w += s.Width + kGap;
    return w + kGap;
}

}  // namespace

TBitmap32 RenderGallery(const TsSkinModel& skin) {
    const int rows = static_cast<int>(skin.Sections.size());
    const int width = kLabelWidth + kStates * StateBlockWidth();
    const int height = kHeaderHeight + rows * kRowHeight;
    TBitmap32 sheet(width, height);
    FillColor(sheet, {0, 0, width, height}, kSheetColor);
    const char* stateNames[kStates] = {"NORMAL", "HOT", "PRESSED"};
    for (int s = 0; s < kStates; ++s)
        DrawText(sheet, kLabelWidth + s * StateBlockWidth() + kGap, 8, stateNames[s], kTextPixel);

    for (int row = 0; row < rows; ++row) {
        const TsGeneralData& section = skin.Sections[static_cast<std::size_t>(row)];
        const int top = kHeaderHeight + row * kRowHeight;
        DrawText(sheet, 6, top + kGap, section.SectionName, kTextPixel);
        DrawText(sheet, 6, top + kGap + 12, std::to_string(section.States) + " STATES", kDimTextPixel);

        TsControlPaintData control;
        control.Skin = &skin;
        control.SectionIndex = row;
        control.FrameMaskIndex = section.FrameMask;
        control.TextureIndex = skin.FindTexture(row, section.SectionName, "PATTERN");
        control.HotTextureIndex = skin.FindTexture(row, section.SectionName, "HOTPATTERN");

        for (int state = 0; state < kStates; ++state) {
            int x = kLabelWidth + state * StateBlockWidth() + kGap;
            for (const auto& size : kSizes) {
                // The control paints into its own cache over the sheet, which
                // serves as its parent's background.
                TBitmap32 cache(size.Width, size.Height);
                const TBgSource parent = BgSourceOfBitmap(&sheet, x, top + kGap);
                PaintControl(control, parent, true, cache, {0, 0}, {0, 0, size.Width, size.Height}, state);
                CopyPixels(sheet, x, top + kGap, size.Width, size.Height, cache, 0, 0);
                x += size.Width + kGap;
            }
        }
    }
    return sheet;
}

}  // namespace pakmole::gallery
