#include "tests/skin/adapters/ButtonPictures.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/Blend.h"
#include "skin/render/ControlPaint.h"
#include "tests/ui/GuiTestSupport.h"

namespace pakmole::test {
namespace {

// The caption "Unpack" lies within this box in the middle of the button.
constexpr int kCaptionHalfWidth = 40;

bool InCaptionBox(int x, int y, int width, int height) {
    return x >= width / 2 - kCaptionHalfWidth && x < width / 2 + kCaptionHalfWidth && y >= 4 && y < height - 4;
}

}  // namespace

int CountDifferences(const TBitmap32& a, const TBitmap32& b, const std::function<bool(int x, int y)>& counted) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return a.Width() * a.Height() + 1;
    int differences = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (counted(x, y)) differences += (a.Pixel(x, y) & 0xFFFFFF) != (b.Pixel(x, y) & 0xFFFFFF);
    return differences;
}

TBitmap32 GrabWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return GrabScreen(r);
}

TBitmap32 GrabScreen(const RECT& r) {
    TBitmap32 picture(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(Bitmap32DC(picture), 0, 0, picture.Width(), picture.Height(), screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    return picture;
}

TBitmap32 SectionPicture(const TsSkinManager& manager, const char* section, int width, int height, POINT position,
                         int state, const TBgSource& behind) {
    const TsSkinModel& skin = manager.Model();
    TsControlPaintData data;
    data.Skin = &skin;
    data.SectionIndex = manager.FindSection(section);
    data.FrameMaskIndex = skin.Sections.at(static_cast<std::size_t>(data.SectionIndex)).FrameMask;
    data.TextureIndex = manager.FindTexture(data.SectionIndex, section, "PATTERN");
    data.HotTextureIndex = manager.FindTexture(data.SectionIndex, section, "HOTPATTERN");
    TBitmap32 picture(width, height);
    PaintControl(data, behind, true, picture, TPoint32{position.x, position.y}, TRect32{0, 0, width, height}, state);
    return picture;
}

TBitmap32 SkinSectionPicture(const TsSkinManager& manager, const char* section, int width, int height,
                             POINT position, int state, int32_t behindColor) {
    TBgSource behind;
    behind.Color = behindColor;
    return SectionPicture(manager, section, width, height, position, state, behind);
}

TBitmap32 SkinButtonPicture(const TsSkinManager& manager, int width, int height, POINT position, int state,
                            int32_t behindColor) {
    return SkinSectionPicture(manager, "BUTTON", width, height, position, state, behindColor);
}

TBitmap32 DisabledButtonPicture(const TsSkinManager& manager, int width, int height, POINT position,
                                int32_t behindColor, const char* section) {
    TBitmap32 picture = SkinSectionPicture(manager, section, width, height, position, 0, behindColor);
    ColorOver(picture, TRect32{0, 0, width, height}, 40, behindColor);
    return picture;
}

int FrameDifferences(const TBitmap32& a, const TBitmap32& b) {
    return CountDifferences(a, b, [&a](int x, int y) { return !InCaptionBox(x, y, a.Width(), a.Height()); });
}

int SettledFrameDifferences(HWND window, const TBitmap32& expected, int timeoutMs) {
    int differences = 0;
    PumpUntil([&] { return (differences = FrameDifferences(GrabWindow(window), expected)) == 0; }, timeoutMs);
    return differences;
}

int CaptionDifferences(const TBitmap32& a, const TBitmap32& b) {
    return CountDifferences(a, b, [&a](int x, int y) { return InCaptionBox(x, y, a.Width(), a.Height()); });
}

RECT InkBox(const TBitmap32& picture, const TBitmap32& skin, const RECT& left) {
    RECT ink{picture.Width(), picture.Height(), -1, -1};
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const POINT p{x, y};
            if (PtInRect(&left, p) || (picture.Pixel(x, y) & 0xFFFFFF) == (skin.Pixel(x, y) & 0xFFFFFF)) continue;
            ink.left = std::min<LONG>(ink.left, x), ink.top = std::min<LONG>(ink.top, y);
            ink.right = std::max<LONG>(ink.right, x + 1), ink.bottom = std::max<LONG>(ink.bottom, y + 1);
        }
    return ink;
}

void SaveShot(const TBitmap32& picture, const char* name) {
    const char* folder = std::getenv("PAKMOLE_SHOTS");
    if (!folder || !*folder || picture.Empty()) return;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = picture.Width();
    header.biHeight = -picture.Height();
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biSizeImage = static_cast<DWORD>(picture.Width() * picture.Height() * 4);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + header.biSizeImage;
    const std::string path = std::string(folder) + "\\" + name + ".bmp";
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof(file), 1, out);
        std::fwrite(&header, sizeof(header), 1, out);
        // What the screen showed is opaque, whatever alpha its bytes carried.
        std::vector<uint32_t> row(static_cast<std::size_t>(picture.Width()));
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < picture.Width(); ++x)
                row[static_cast<std::size_t>(x)] = picture.Pixel(x, y) | 0xFF000000u;
            std::fwrite(row.data(), 4, row.size(), out);
        }
        std::fclose(out);
    }
}

void MovePointer(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
    PumpUntil(
        [screen] {
            POINT p;
            GetCursorPos(&p);
            // Absolute input is scaled to 0..65535 and back: a pixel off is there.
            return std::abs(p.x - screen.x) <= 1 && std::abs(p.y - screen.y) <= 1;
        },
        2000);
    PumpFor(60);
}

void PressPointer(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof(input));
    PumpFor(80);
}

CornerCheck CornersFromTheSkinsBitmap(const TsSkinManager& manager, const char* section, int state,
                                      const TBitmap32& shown, const std::vector<RECT>& skipped) {
    CornerCheck check;
    const int index = manager.FindMaskExact(section, "BORDERSMASK");
    if (index < 0) return check;
    const TsMaskData& mask = manager.Model().Masks.at(static_cast<std::size_t>(index));
    const TBitmap32& bitmap = mask.MaskBitmap ? *mask.MaskBitmap : manager.Model().MasterBitmap;
    if (mask.MaskKind < 0 || mask.FrameCount <= 0) return check;
    const int stateWidth = mask.SrcRect.Width() / mask.FrameCount;
    // The image band on top, a mask band below it when the record has one.
    const int stateHeight = mask.SrcRect.Height() / (mask.MaskKind + 1);
    const int left = mask.SrcRect.Left + std::min(state, mask.FrameCount - 1) * stateWidth;
    const int top = mask.SrcRect.Top;
    const int cornerWidth[2] = {mask.MarginLeft, mask.MarginRight};
    const int cornerHeight[2] = {mask.MarginTop, mask.MarginBottom};
    for (int right = 0; right < 2; ++right)
        for (int bottom = 0; bottom < 2; ++bottom)
            for (int y = 0; y < cornerHeight[bottom]; ++y)
                for (int x = 0; x < cornerWidth[right]; ++x) {
                    const int sourceX = left + (right ? stateWidth - cornerWidth[1] : 0) + x;
                    const int sourceY = top + (bottom ? stateHeight - cornerHeight[1] : 0) + y;
                    const int shownX = (right ? shown.Width() - cornerWidth[1] : 0) + x;
                    const int shownY = (bottom ? shown.Height() - cornerHeight[1] : 0) + y;
                    const POINT at{shownX, shownY};
                    if (std::any_of(skipped.begin(), skipped.end(), [&](const RECT& r) { return PtInRect(&r, at); }))
                        continue;
                    const uint32_t source = bitmap.Row(sourceY)[sourceX] & 0xFFFFFF;
                    const uint32_t maskPixel = mask.MaskKind ? bitmap.Row(sourceY + stateHeight)[sourceX] & 0xFFFFFF : 0;
                    if (maskPixel != 0 || source == 0xFF00FF) continue;
                    ++check.checked;
                    if ((shown.Row(shownY)[shownX] & 0xFFFFFF) != source) ++check.wrong;
                }
    return check;
}

}  // namespace pakmole::test
