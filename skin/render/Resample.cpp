#include "skin/render/Resample.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace pakmole {
namespace {

double Sinc(double x) {
    if (x == 0) return 1;
    x *= std::numbers::pi;
    return std::sin(x) / x;
}

struct Contributor {
    int Index;  // pixel index in the source line
    int Weight;  // 16.16 fixed point
};

using ContributorList = std::vector<std::vector<Contributor>>;

// Weights of every destination index of one axis. The filter is widened by the
// shrink factor so that a shrink averages every source pixel it covers.
ContributorList BuildContributors(int oldSize, int newSize, TResampleKernel kernel) {
    const double radius = KernelRadius(kernel);
    const double scale = static_cast<double>(newSize) / oldSize;
    const bool shrinking = scale < 1.0;
    const double width = shrinking ? radius / scale : radius;
    const double fscale = shrinking ? scale : 1.0;
    ContributorList list(static_cast<std::size_t>(newSize));
    for (int i = 0; i < newSize; ++i) {
        const double centre = static_cast<double>(i) * oldSize / newSize;
        const int left = static_cast<int>(std::floor(centre - width));
        const int right = static_cast<int>(std::ceil(centre + width));
        auto& line = list[static_cast<std::size_t>(i)];
        for (int j = left; j <= right; ++j) {
            const double w = KernelWeight(kernel, (centre - j) * fscale) * fscale;
            const int weight = static_cast<int>(std::nearbyint(w * 65536.0));
            if (weight == 0) continue;
            int n = j < 0 ? -j : (j >= oldSize ? 2 * oldSize - 1 - j : j);
            // A very wide filter over a short line can mirror past the far end.
            if (n < 0) n = 0;
            if (n >= oldSize) n = oldSize - 1;
            line.push_back({n, weight});
        }
    }
    return list;
}

uint32_t ClampSum(int64_t sum) {
    if (sum < 0) return 0;
    if (sum >= 0xFF0001) return 255;
    return static_cast<uint32_t>(sum >> 16);
}

uint32_t Apply(const std::vector<Contributor>& line, const uint32_t* base, std::ptrdiff_t stride) {
    int64_t sums[4] = {0, 0, 0, 0};
    for (const Contributor& c : line) {
        const uint32_t p = base[c.Index * stride];
        for (int k = 0; k < 4; ++k) sums[k] += static_cast<int64_t>((p >> (8 * k)) & 0xFF) * c.Weight;
    }
    return ClampSum(sums[0]) | ClampSum(sums[1]) << 8 | ClampSum(sums[2]) << 16 | ClampSum(sums[3]) << 24;
}

}  // namespace

double KernelRadius(TResampleKernel kernel) {
    switch (kernel) {
        case TResampleKernel::rkBox: return 0.51;
        case TResampleKernel::rkTriangle: return 1.0;
        case TResampleKernel::rkHermite: return 1.0;
        case TResampleKernel::rkBell: return 1.5;
        case TResampleKernel::rkBSpline: return 2.0;
        case TResampleKernel::rkLanczos3: return 3.0;
        case TResampleKernel::rkMitchell: return 2.0;
    }
    return 0;
}

double KernelWeight(TResampleKernel kernel, double t) {
    t = std::fabs(t);
    switch (kernel) {
        case TResampleKernel::rkBox: return t <= 0.5 ? 1.0 : 0.0;
        case TResampleKernel::rkTriangle: return t < 1 ? 1 - t : 0.0;
        case TResampleKernel::rkHermite: return t < 1 ? (2 * t - 3) * t * t + 1 : 0.0;
        case TResampleKernel::rkBell:
            if (t < 0.5) return 0.75 - t * t;
            if (t < 1.5) return 0.5 * (t - 1.5) * (t - 1.5);
            return 0;
        case TResampleKernel::rkBSpline:
            if (t < 1) return 0.5 * t * t * t - t * t + 2.0 / 3.0;
            if (t < 2) return (2 - t) * (2 - t) * (2 - t) / 6.0;
            return 0;
        case TResampleKernel::rkLanczos3: return t < 3 ? Sinc(t) * Sinc(t / 3) : 0.0;
        case TResampleKernel::rkMitchell:
            // B = C = 1/3.
            if (t < 1) return 7.0 / 6.0 * t * t * t - 2 * t * t + 8.0 / 9.0;
            if (t < 2) return -7.0 / 18.0 * t * t * t + 2 * t * t - 10.0 / 3.0 * t + 16.0 / 9.0;
            return 0;
    }
    return 0;
}

void Resample(const TBitmap32& source, TBitmap32& target, int newWidth, int newHeight, TResampleKernel kernel) {
    if (source.Width() < 2 || source.Height() < 2) throw EResampleError("Source bitmap is too small");
    if (newWidth <= 0 || newHeight <= 0) return;
    if (&source == &target) {
        const TBitmap32 copy = source;
        Resample(copy, target, newWidth, newHeight, kernel);
        return;
    }
    if (newWidth == source.Width() && newHeight == source.Height()) {
        target = source;
        return;
    }
    const int srcW = source.Width(), srcH = source.Height();
    const ContributorList across = BuildContributors(srcW, newWidth, kernel);
    TBitmap32 temp(newWidth, srcH);
    for (int y = 0; y < srcH; ++y) {
        const uint32_t* src = source.Row(y);
        uint32_t* dst = temp.Row(y);
        for (int x = 0; x < newWidth; ++x) dst[x] = Apply(across[static_cast<std::size_t>(x)], src, 1);
    }
    const ContributorList down = BuildContributors(srcH, newHeight, kernel);
    target.SetSize(newWidth, newHeight);
    for (int y = 0; y < newHeight; ++y) {
        uint32_t* dst = target.Row(y);
        for (int x = 0; x < newWidth; ++x) dst[x] = Apply(down[static_cast<std::size_t>(y)], temp.Row(0) + x, newWidth);
    }
}

void ResampleMitchell(const TBitmap32& source, TBitmap32& target, int newWidth, int newHeight) {
    Resample(source, target, newWidth, newHeight, TResampleKernel::rkMitchell);
}

}  // namespace pakmole
