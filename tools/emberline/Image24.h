#pragma once
// A 24-bit picture as the skin's bitmaps hold it: 8-bit red, green, blue per
// pixel, top row first. Magenta (the key colour) marks transparent pixels.
#include <cstdint>
#include <vector>

namespace pakmole::emberline {

inline constexpr uint32_t kKeyColour = 0xFF00FF;

class Image24 {
public:
    Image24(int width, int height, uint32_t fill = kKeyColour);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0xRRGGBB.
    uint32_t Get(int x, int y) const;
    void Set(int x, int y, uint32_t rgb);

private:
    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
};

// A Windows bitmap file, 24 bits per pixel, bottom-up rows padded to four
// bytes, no palette and no compression.
std::vector<unsigned char> EncodeBmp24(const Image24& image);

}  // namespace pakmole::emberline
