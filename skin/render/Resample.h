#pragma once
// Filtered resizing of 32-bit bitmaps: a separable two-pass resampler with
// 16.16 fixed-point weights. The skin painter uses the Mitchell kernel; the
// others are there for callers that want a softer or sharper result.
#include <stdexcept>

#include "base/Exceptions.h"
#include "skin/data/Bitmap32.h"

namespace pakmole {

enum class TResampleKernel { rkBox, rkTriangle, rkHermite, rkBell, rkBSpline, rkLanczos3, rkMitchell };

// The kernel's weight at distance t and its support radius.
double KernelWeight(TResampleKernel kernel, double t);
double KernelRadius(TResampleKernel kernel);

// Raised when a source is narrower or lower than 2 pixels.
class EResampleError : public Exception {
public:
    using Exception::Exception;
};

// Sets target to newWidth x newHeight and fills it from source. A zero (or
// negative) new size returns at once; equal sizes copy. Fails with "Source
// bitmap is too small" for a source under 2 x 2 pixels.
void Resample(const TBitmap32& source, TBitmap32& target, int newWidth, int newHeight, TResampleKernel kernel);
void ResampleMitchell(const TBitmap32& source, TBitmap32& target, int newWidth, int newHeight);

}  // namespace pakmole
