#include "skin/data/Bitmap32.h"

#include <algorithm>
#include <stdexcept>

namespace pakmole {

void CopyPixels(uint32_t* target, std::size_t size, const uint32_t* source, std::size_t count) {
    if (count != size) throw std::length_error("Pixel copy between bitmaps of different sizes");
    if (count != 0 && source != target) std::copy(source, source + count, target);
}

TBitmap32::TBitmap32(int width, int height, uint32_t fill) { SetSize(width, height, fill); }

TBitmap32::TBitmap32(const TBitmap32& other) { *this = other; }

TBitmap32& TBitmap32::operator=(const TBitmap32& other) {
    if (this == &other) return *this;
    if (other.Empty()) {
        SetSize(0, 0);
        return *this;
    }
    if (width_ != other.width_ || height_ != other.height_) SetSize(other.width_, other.height_);
    std::copy(other.bits_, other.bits_ + other.PixelCount(), bits_);
    return *this;
}

TBitmap32::TBitmap32(TBitmap32&& other) noexcept
    : width_(other.width_), height_(other.height_), bits_(other.bits_), storage_(std::move(other.storage_)) {
    other.width_ = other.height_ = 0;
    other.bits_ = nullptr;
}

TBitmap32& TBitmap32::operator=(TBitmap32&& other) noexcept {
    if (this == &other) return *this;
    storage_ = std::move(other.storage_);
    width_ = other.width_;
    height_ = other.height_;
    bits_ = other.bits_;
    other.width_ = other.height_ = 0;
    other.bits_ = nullptr;
    return *this;
}

TBitmap32::~TBitmap32() = default;

void TBitmap32::SetSize(int width, int height, uint32_t fill) {
    if (width <= 0 || height <= 0) {
        storage_.reset();
        width_ = height_ = 0;
        bits_ = nullptr;
        return;
    }
    if (width != width_ || height != height_ || !storage_) {
        // Made before the old storage goes, so a failure leaves the bitmap as it was.
        uint32_t* bits = nullptr;
        std::unique_ptr<TBitmap32Storage, TBitmap32StorageDeleter> storage(CreateBitmap32Storage(width, height, bits));
        storage_ = std::move(storage);
        bits_ = bits;
        width_ = width;
        height_ = height;
    }
    std::fill(bits_, bits_ + PixelCount(), fill);
}

}  // namespace pakmole
