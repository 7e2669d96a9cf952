#include "skin/data/SkinImage.h"

#include <climits>
#include <cstring>
#include <memory>

#include "base/Exceptions.h"

// Skin images are small; anything this large is damaged or hostile.
#define STBI_MAX_DIMENSIONS 16384
#define STBI_NO_STDIO
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STB_IMAGE_IMPLEMENTATION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wsign-compare"
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

constexpr int64_t kMaxPixels = int64_t{1} << 24;

struct StbiFree {
    void operator()(unsigned char* p) const { stbi_image_free(p); }
};

bool StartsWith(const std::vector<unsigned char>& bytes, const char* magic, std::size_t n) {
    return bytes.size() >= n && std::memcmp(bytes.data(), magic, n) == 0;
}

[[noreturn]] void Unreadable(const std::string& name) {
    const char* reason = stbi_failure_reason();
    throw Exception("Skin image \"" + name + "\" cannot be read" + (reason ? std::string(": ") + reason : ""));
}

// An alpha channel that says the same of every pixel carries no
// transparency: 32-bit BMP writers leave the spare byte 0 (the decoder then
// reports 255 everywhere), and an image saved with alpha but nothing cut out
// is 255 throughout. Such images are keyed like those without alpha, or
// their magenta would stay opaque.
bool AlphaVaries(const TBitmap32& bitmap) {
    const auto pixels = bitmap.Pixels();
    if (pixels.empty()) return false;
    const uint32_t first = pixels[0] >> 24;
    if (first != 0 && first != 0xFF) return true;
    for (const uint32_t pixel : pixels)
        if ((pixel >> 24) != first) return true;
    return false;
}

}  // namespace

TDecodedImage DecodeSkinImage(const std::vector<unsigned char>& bytes, const std::string& name) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) Unreadable(name);
    const auto* data = bytes.data();
    const int size = static_cast<int>(bytes.size());
    int w = 0, h = 0, channels = 0;
    if (!stbi_info_from_memory(data, size, &w, &h, &channels)) Unreadable(name);
    if (w <= 0 || h <= 0 || static_cast<int64_t>(w) * h > kMaxPixels) Unreadable(name);

    std::unique_ptr<unsigned char, StbiFree> rgba(stbi_load_from_memory(data, size, &w, &h, &channels, 4));
    if (!rgba) Unreadable(name);

    TDecodedImage image;
    image.IsPng = StartsWith(bytes, "\x89PNG", 4);
    image.Bitmap.SetSize(w, h);
    const unsigned char* src = rgba.get();
    for (uint32_t& pixel : image.Bitmap.Pixels()) {
        pixel = static_cast<uint32_t>(src[2]) | static_cast<uint32_t>(src[1]) << 8 |
                static_cast<uint32_t>(src[0]) << 16 | static_cast<uint32_t>(src[3]) << 24;
        src += 4;
    }
    image.HasAlpha = (channels == 4 || channels == 2) && AlphaVaries(image.Bitmap);
    return image;
}

void MakeOpaqueExceptKey(TBitmap32& bitmap) {
    for (uint32_t& pixel : bitmap.Pixels()) {
        const uint32_t rgb = pixel & 0x00FFFFFFu;
        pixel = rgb == kKeyPixel ? kKeyPixel : (rgb | 0xFF000000u);
    }
}

void PrepareSkinPng(TBitmap32& bitmap, double version) {
    const bool premultiply = version > 7.45;
    for (uint32_t& pixel : bitmap.Pixels()) {
        if (pixel == 0x00FFFFFFu) {
            pixel = 0;
        } else if (premultiply) {
            const uint32_t a = pixel >> 24;
            const uint32_t r = (((pixel >> 16) & 0xFF) * a) >> 8;
            const uint32_t g = (((pixel >> 8) & 0xFF) * a) >> 8;
            const uint32_t b = ((pixel & 0xFF) * a) >> 8;
            pixel = a << 24 | r << 16 | g << 8 | b;
        }
    }
}

}  // namespace pakmole
