#pragma once
// A 32-bit top-down bitmap held in memory. Bytes of a pixel are blue, green,
// red, alpha, so a pixel read as a little-endian word is 0xAARRGGBB. Rows are
// contiguous, so painting code can walk a row through a plain pointer.
#include <cstdint>
#include <vector>

namespace pakmole {

class TBitmap32 {
public:
    TBitmap32() = default;
    TBitmap32(int width, int height, uint32_t fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    // Resizes and fills every pixel; a non-positive side gives an empty bitmap.
    void SetSize(int width, int height, uint32_t fill = 0);

    uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }
    const uint32_t* Row(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    }
    uint32_t& Pixel(int x, int y) { return Row(y)[x]; }
    uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::vector<uint32_t>& Pixels() { return pixels_; }
    const std::vector<uint32_t>& Pixels() const { return pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace pakmole
