#pragma once
// What a window really shows: its rectangle read back from the screen (under
// Wine, from the X server's framebuffer), for checks that a person would make
// by looking: is there text, is it more than one flat colour.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pakmole::test {

class ScreenPicture {
public:
    // The screen's pixels inside area (screen coordinates).
    explicit ScreenPicture(RECT area);
    // The window's rectangle, frame included.
    static ScreenPicture OfWindow(HWND window);

    int Width() const { return width_; }
    int Height() const { return height_; }
    uint32_t At(int x, int y) const;  // 0xRRGGBB
    int DistinctColours() const;
    // The commonest colour inside part (picture coordinates): the face.
    uint32_t Face(RECT part) const;
    // Pixels inside part that stand out from its face by at least 100 levels of
    // brightness, the way text stands out from the face it is written on.
    int Ink(RECT part) const;
    // The part of the picture that a window's rectangle (screen coordinates) covers.
    RECT PartOf(HWND window, bool clientOnly = true) const;

private:
    RECT area_{};
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

int Brightness(uint32_t rgb);

}  // namespace pakmole::test
