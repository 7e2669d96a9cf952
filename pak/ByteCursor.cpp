#include "ByteCursor.h"

#include <cstring>

namespace pakmole {

void ByteCursor::Need(uint64_t count, const char* field) const {
    if (count > Remaining()) Damaged(std::string(field) + " runs past its end");
}

void ByteCursor::Damaged(const std::string& why) const {
    throw EPakFormatError("The pak index is damaged: " + why + " (" + what_ + ", byte " + std::to_string(at_) + ").");
}

void ByteCursor::Seek(std::size_t position) {
    if (position > size_) Damaged("a location points past its end");
    at_ = position;
}

void ByteCursor::Skip(std::size_t count) {
    Need(count, "a record");
    at_ += count;
}

uint8_t ByteCursor::U8() {
    Need(1, "a record");
    return data_[at_++];
}

uint32_t ByteCursor::U32() {
    Need(4, "a record");
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | data_[at_ + static_cast<std::size_t>(i)];
    at_ += 4;
    return value;
}

uint64_t ByteCursor::U64() {
    Need(8, "a record");
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | data_[at_ + static_cast<std::size_t>(i)];
    at_ += 8;
    return value;
}

void ByteCursor::Bytes(void* into, std::size_t count) {
    Need(count, "a record");
    if (count) std::memcpy(into, data_ + at_, count);
    at_ += count;
}

}  // namespace pakmole
