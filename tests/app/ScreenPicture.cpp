#include "tests/app/ScreenPicture.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>

namespace pakmole::test {

int Brightness(uint32_t rgb) {
    const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return (299 * r + 587 * g + 114 * b) / 1000;
}

ScreenPicture::ScreenPicture(RECT area)
    : area_(area), width_(std::max(0L, area.right - area.left)), height_(std::max(0L, area.bottom - area.top)) {
    pixels_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_));
    if (pixels_.empty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !memory) {
        if (bitmap) DeleteObject(bitmap);
        if (memory) DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        throw std::runtime_error("cannot read the screen");
    }
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < pixels_.size(); ++i) pixels_[i] = source[i] & 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

ScreenPicture ScreenPicture::OfWindow(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return ScreenPicture(r);
}

uint32_t ScreenPicture::At(int x, int y) const {
    return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

int ScreenPicture::DistinctColours() const {
    return static_cast<int>(std::set<uint32_t>(pixels_.begin(), pixels_.end()).size());
}

namespace {
RECT Clipped(RECT part, int width, int height) {
    return RECT{std::max(0L, part.left), std::max(0L, part.top), std::min<LONG>(width, part.right),
                std::min<LONG>(height, part.bottom)};
}
}  // namespace

uint32_t ScreenPicture::Face(RECT part) const {
    const RECT r = Clipped(part, width_, height_);
    std::map<uint32_t, int> counts;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) ++counts[At(x, y)];
    uint32_t face = 0;
    int most = -1;
    for (const auto& [colour, count] : counts)
        if (count > most) {
            face = colour;
            most = count;
        }
    return face;
}

int ScreenPicture::Ink(RECT part) const {
    const RECT r = Clipped(part, width_, height_);
    const int face = Brightness(Face(r));
    int ink = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) ink += std::abs(Brightness(At(x, y)) - face) >= 100;
    return ink;
}

RECT ScreenPicture::PartOf(HWND window, bool clientOnly) const {
    RECT r{};
    if (clientOnly) {
        GetClientRect(window, &r);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    } else {
        GetWindowRect(window, &r);
    }
    OffsetRect(&r, -area_.left, -area_.top);
    return r;
}

}  // namespace pakmole::test
