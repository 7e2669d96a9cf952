#pragma once
// Reads little-endian fields from a buffer held in memory (an index, a
// directory index, an encoded-entry blob). Every read is checked against what
// is left, so no length or count read from a file can run past the buffer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "PakFormatError.h"

namespace pakmole {

class ByteCursor {
public:
    // what names the buffer in messages ("the pak index", "the directory index").
    ByteCursor(const unsigned char* data, std::size_t size, std::string what)
        : data_(data), size_(size), what_(std::move(what)) {}

    const unsigned char* Data() const { return data_; }
    std::size_t Position() const { return at_; }
    std::size_t Remaining() const { return size_ - at_; }
    void Seek(std::size_t position);
    void Skip(std::size_t count);

    uint8_t U8();
    uint32_t U32();
    int32_t I32() { return static_cast<int32_t>(U32()); }
    uint64_t U64();
    int64_t I64() { return static_cast<int64_t>(U64()); }
    void Bytes(void* into, std::size_t count);

    // Raises EPakFormatError unless count bytes are left; field names what ran out.
    void Need(uint64_t count, const char* field) const;
    [[noreturn]] void Damaged(const std::string& why) const;

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    std::string what_;
};

}  // namespace pakmole
