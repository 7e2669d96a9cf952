#pragma once
// A 32-bit top-down bitmap. Bytes of a pixel are blue, green, red, alpha, so a
// pixel read as a little-endian word is 0xAARRGGBB. Rows are contiguous, so
// painting code can walk a row through a plain pointer.
//
// Where the pixels live is the platform's business: on Windows they are a
// device-independent bitmap selected into a memory device context, so GDI can
// draw text into it and BitBlt can copy it (see Bitmap32_win.h); elsewhere
// they are a plain buffer.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>

namespace pakmole {

// Copies count pixels over a view of size pixels; fails unless they match.
void CopyPixels(uint32_t* target, std::size_t size, const uint32_t* source, std::size_t count);

// A view of a bitmap's pixels in row order. Assigning one view to another
// copies the pixels (both must hold the same number), as assigning the pixel
// buffer always did; the view itself never owns anything.
template <class T>
class TPixelView {
public:
    using value_type = std::remove_const_t<T>;
    using iterator = T*;
    using const_iterator = const T*;

    TPixelView(T* data, std::size_t size) : data_(data), size_(size) {}
    TPixelView(const TPixelView&) = default;
    template <class U>
    TPixelView& operator=(const TPixelView<U>& other) requires(!std::is_const_v<T>) {
        CopyFrom(other.data(), other.size());
        return *this;
    }
    TPixelView& operator=(const TPixelView& other) requires(!std::is_const_v<T>) {
        CopyFrom(other.data(), other.size());
        return *this;
    }

    T* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T* begin() const { return data_; }
    T* end() const { return data_ + size_; }
    T& operator[](std::size_t i) const { return data_[i]; }

    template <class U>
    bool operator==(const TPixelView<U>& other) const {
        if (size_ != other.size()) return false;
        for (std::size_t i = 0; i < size_; ++i)
            if (data_[i] != other.data()[i]) return false;
        return true;
    }

private:
    void CopyFrom(const value_type* source, std::size_t count) { CopyPixels(data_, size_, source, count); }

    T* data_;
    std::size_t size_;
};

// The platform's storage of one bitmap; defined per platform.
struct TBitmap32Storage;
struct TBitmap32StorageDeleter {
    void operator()(TBitmap32Storage* storage) const;
};

class TBitmap32 {
public:
    TBitmap32() = default;
    TBitmap32(int width, int height, uint32_t fill = 0);
    TBitmap32(const TBitmap32& other);
    TBitmap32& operator=(const TBitmap32& other);
    TBitmap32(TBitmap32&& other) noexcept;
    TBitmap32& operator=(TBitmap32&& other) noexcept;
    ~TBitmap32();

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    // Resizes and fills every pixel; a non-positive side gives an empty bitmap.
    void SetSize(int width, int height, uint32_t fill = 0);

    uint32_t* Row(int y) { return bits_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }
    const uint32_t* Row(int y) const {
        return bits_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    }
    uint32_t& Pixel(int x, int y) { return Row(y)[x]; }
    uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    TPixelView<uint32_t> Pixels() { return {bits_, PixelCount()}; }
    TPixelView<const uint32_t> Pixels() const { return {bits_, PixelCount()}; }

    // The platform's storage, for the platform's drawing helpers; none when empty.
    TBitmap32Storage* Storage() const { return storage_.get(); }

private:
    std::size_t PixelCount() const {
        return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    }

    int width_ = 0;
    int height_ = 0;
    uint32_t* bits_ = nullptr;
    std::unique_ptr<TBitmap32Storage, TBitmap32StorageDeleter> storage_;
};

// Made by the platform's storage file: room for width x height pixels (both
// positive); bits receives the first pixel of the top row.
TBitmap32Storage* CreateBitmap32Storage(int width, int height, uint32_t*& bits);

}  // namespace pakmole
