#pragma once
// The 8-bit mask of a text glow (255: no text, 0: full text), its Gaussian
// blur and its blend into a paint bitmap in the glow colour. Drawing the text
// into the mask is the platform's business; everything after that is here.
#include <cstdint>
#include <vector>

#include "skin/data/Bitmap32.h"
#include "skin/data/MaskData.h"

namespace pakmole {

// Rows are padded to 4 bytes, as in an 8-bit device-independent bitmap, so
// the platform can draw text straight into the buffer.
class TGlowMask {
public:
    TGlowMask() = default;
    TGlowMask(int width, int height, uint8_t fill = 255) { SetSize(width, height, fill); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return stride_; }
    // A side below zero counts as 0.
    void SetSize(int width, int height, uint8_t fill = 255);
    uint8_t* Row(int y) { return bytes_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_); }
    const uint8_t* Row(int y) const {
        return bytes_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_);
    }
    uint8_t& At(int x, int y) { return Row(y)[x]; }
    uint8_t At(int x, int y) const { return Row(y)[x]; }

private:
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    std::vector<uint8_t> bytes_;
};

// Where the glow of a text written in textRect lies in the target: one pixel
// right of and below the text, enlarged by size + 4 on every side.
TRect32 GlowArea(const TRect32& textRect, int glowSize);
// Where the text is drawn inside the mask of that area.
TRect32 GlowTextRect(const TRect32& textRect, int glowSize);

// Makes mask ready for the area: answers true when it already has the area's
// size (it is reused as it is); otherwise sizes it and fills it with 255, and
// the caller draws the text into it and blurs it.
bool PrepareGlowMask(TGlowMask& mask, const TRect32& area);

// The Gaussian kernel of the blur: radius r and the 2r + 1 normalised weights.
struct TGlowKernel {
    int Radius = 0;
    std::vector<float> Weights;
};
TGlowKernel GlowKernel(double sigma);

// Blurs the mask in place, rows first, then columns. A sigma of 0 or less does nothing.
void BlurMask(TGlowMask& mask, double sigma);

// Lays the glow colour (red in the low byte) into target through the mask,
// whose top-left pixel lies at (area.Left, area.Top).
void BlendGlowMask(TBitmap32& target, const TGlowMask& mask, const TRect32& area, int32_t glowColor);

}  // namespace pakmole
