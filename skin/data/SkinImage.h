#pragma once
// Decoding of skin images (BMP, PNG, JPEG) into 32-bit bitmaps, and the pixel
// conventions the skin applies to them.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/Bitmap32.h"

namespace pakmole {

constexpr uint32_t kKeyPixel = 0x00FF00FFu;  // magenta with alpha 0: transparent

struct TDecodedImage {
    TBitmap32 Bitmap;  // pixels 0xAARRGGBB
    bool HasAlpha = false;  // the file's alpha channel tells pixels apart (not all 0, not all 255)
    bool IsPng = false;
};

// Decodes an image file held in memory. Fails with a message naming the image
// when the bytes are not a readable image.
TDecodedImage DecodeSkinImage(const std::vector<unsigned char>& bytes, const std::string& name);

// Images without alpha become opaque, except key pixels, which stay transparent.
void MakeOpaqueExceptKey(TBitmap32& bitmap);

// PNG images of older skins only lose their transparent white; newer skins'
// PNG images are premultiplied by their alpha.
void PrepareSkinPng(TBitmap32& bitmap, double version);

}  // namespace pakmole
