#include "tools/emberline/Image24.h"

#include <stdexcept>

namespace pakmole::emberline {

Image24::Image24(int width, int height, uint32_t fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {
    if (width <= 0 || height <= 0) throw std::invalid_argument("an image needs a positive size");
}

uint32_t Image24::Get(int x, int y) const {
    return pixels_.at(static_cast<size_t>(y) * width_ + x);
}

void Image24::Set(int x, int y, uint32_t rgb) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) throw std::out_of_range("pixel outside the image");
    pixels_[static_cast<size_t>(y) * width_ + x] = rgb & 0xFFFFFF;
}

namespace {
void Put16(std::vector<unsigned char>& out, uint32_t v) {
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
}
void Put32(std::vector<unsigned char>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
}  // namespace

std::vector<unsigned char> EncodeBmp24(const Image24& image) {
    const uint32_t stride = (static_cast<uint32_t>(image.Width()) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = stride * static_cast<uint32_t>(image.Height());
    constexpr uint32_t kHeaderBytes = 14 + 40;
    std::vector<unsigned char> out;
    out.reserve(kHeaderBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, kHeaderBytes + pixelBytes);
    Put32(out, 0);
    Put32(out, kHeaderBytes);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(image.Width()));
    Put32(out, static_cast<uint32_t>(image.Height()));  // positive: bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 2835);  // 72 dpi, as paint programs write it
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            const uint32_t rgb = image.Get(x, y);
            out.push_back(static_cast<unsigned char>(rgb));
            out.push_back(static_cast<unsigned char>(rgb >> 8));
            out.push_back(static_cast<unsigned char>(rgb >> 16));
        }
        for (uint32_t pad = static_cast<uint32_t>(image.Width()) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

}  // namespace pakmole::emberline
