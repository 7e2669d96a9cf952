#include "skin/controls/adapters/sAlphaImageList.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "base/Exceptions.h"
#include "skin/data/SkinImage.h"
#include "ui/DibSection.h"
#include "ui/GdiHandles.h"

namespace pakmole {

namespace {
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
    // The skin's own decoder: one copy of the image library per program.
    TDecodedImage decoded = DecodeSkinImage(encoded, name);
    const int w = decoded.Bitmap.Width(), h = decoded.Bitmap.Height();
    if (w != width_ || h != height_)
        throw Exception("Image " + name + " is " + std::to_string(w) + " x " + std::to_string(h) +
                        ", the list holds " + std::to_string(width_) + " x " +
                        std::to_string(height_));
    const auto& pixels = decoded.Bitmap.Pixels();
    const std::vector<uint32_t> argb(pixels.data(), pixels.data() + pixels.size());
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

    void* bits = nullptr;
    BitmapHandle bitmap = CreateTopDownDib(dc, width_, height_, 32, &bits);
    if (!bitmap || !bits) return;
    const auto& image = images_[static_cast<size_t>(index)];
    std::memcpy(bits, image.data(), image.size() * sizeof(uint32_t));
    MemoryDC memory(dc);
    SelectedObject selected(memory.Get(), bitmap.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, sourceWidth, height_, memory.Get(), sourceX, 0, sourceWidth, height_, blend);
}

}  // namespace pakmole
