#pragma once
// A list of equally sized images with per-pixel alpha, kept premultiplied and
// drawn with the platform's alpha blending.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/Component.h"

namespace pakmole {

class TsAlphaImageList : public TComponent {
public:
    TsAlphaImageList(TComponent* owner, int width, int height);
    std::string ClassName() const override { return "TsAlphaImageList"; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }
    bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }

    // Decodes a PNG (or any image stb_image reads) and appends it; the image
    // must have the list's size. Raises with a message naming the image otherwise.
    void AddImage(const std::vector<unsigned char>& encoded, const std::string& name);
    // Appends pixels given as 0xAARRGGBB, not premultiplied, width x height.
    void AddPixels(const std::vector<uint32_t>& argb);
    // The premultiplied pixel at (x, y) of an image, 0xAARRGGBB.
    uint32_t Pixel(int index, int x, int y) const;

    // Draws the part of image index that starts at sourceX (a glyph of a strip),
    // sourceWidth wide, with its top-left corner at (x, y).
    void Draw(HDC dc, int x, int y, int index, int sourceX, int sourceWidth) const;

private:
    int width_;
    int height_;
    std::vector<std::vector<uint32_t>> images_;  // premultiplied, top-down rows
};

}  // namespace pakmole
