#include "skin/controls/sAlphaImageList.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "base/Exceptions.h"
#include "ui/GdiHandles.h"

// The decoder is private to this file, so it cannot clash with another
// library's copy of the same header.
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 4096
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace pakmole {

namespace {
struct StbiFree {
    void operator()(unsigned char* p) const { stbi_image_free(p); }
};

uint32_t Premultiply(uint32_t argb) {
    const uint32_t a = argb >> 24;
    auto channel = [a](uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (channel((argb >> 16) & 0xFF) << 16) | (channel((argb >> 8) & 0xFF) << 8) |
           channel(argb & 0xFF);
}
}  // namespace

TsAlphaImageList::TsAlphaImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(width), height_(height) {}

void TsAlphaImageList::AddImage(const std::vector<unsigned char>& encoded, const std::string& name) {
    if (encoded.empty() || encoded.size() > static_cast<size_t>(INT32_MAX))
        throw Exception("Image " + name + " is empty or too large");
    int w = 0, h = 0, channels = 0;
    std::unique_ptr<unsigned char, StbiFree> pixels(stbi_load_from_memory(
        encoded.data(), static_cast<int>(encoded.size()), &w, &h, &channels, 4));
    if (!pixels) throw Exception("Image " + name + " cannot be read");
    if (w != width_ || h != height_)
        throw Exception("Image " + name + " is " + std::to_string(w) + " x " + std::to_string(h) +
                        ", the list holds " + std::to_string(width_) + " x " +
                        std::to_string(height_));
    std::vector<uint32_t> argb(static_cast<size_t>(w) * static_cast<size_t>(h));
    const unsigned char* p = pixels.get();
    for (uint32_t& px : argb) {
        px = (uint32_t{p[3]} << 24) | (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
        p += 4;
    }
    AddPixels(argb);
}

void TsAlphaImageList::AddPixels(const std::vector<uint32_t>& argb) {
    if (argb.size() != static_cast<size_t>(width_) * static_cast<size_t>(height_))
        throw Exception("Image size does not match the image list");
    std::vector<uint32_t> image(argb.size());
    std::transform(argb.begin(), argb.end(), image.begin(), Premultiply);
    images_.push_back(std::move(image));
}

uint32_t TsAlphaImageList::Pixel(int index, int x, int y) const {
    if (!IsValidIndex(index) || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return images_[static_cast<size_t>(index)][static_cast<size_t>(y) * width_ + x];
}

void TsAlphaImageList::Draw(HDC dc, int x, int y, int index, int sourceX, int sourceWidth) const {
    if (!IsValidIndex(index)) return;
    sourceX = std::clamp(sourceX, 0, width_);
    sourceWidth = std::clamp(sourceWidth, 0, width_ - sourceX);
    if (sourceWidth == 0) return;

    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width_;
    bi.bmiHeader.biHeight = -height_;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return;
    const auto& image = images_[static_cast<size_t>(index)];
    std::memcpy(bits, image.data(), image.size() * sizeof(uint32_t));
    MemoryDC memory(dc);
    SelectedObject selected(memory.Get(), bitmap.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, sourceWidth, height_, memory.Get(), sourceX, 0, sourceWidth, height_, blend);
}

}  // namespace pakmole
