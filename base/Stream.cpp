#include "Stream.h"

#include <algorithm>
#include <vector>

#include "Exceptions.h"

namespace pakmole {

void TStream::ReadBuffer(void* buffer, std::size_t count) {
    if (Read(buffer, count) != count) throw StreamReadError();
}

void TStream::CopyFrom(TStream& source, int64_t count) {
    if (count <= 0) return;
    if (source.Remaining() < count) throw StreamReadError();
    constexpr int64_t kChunk = 1 << 20;
    std::vector<unsigned char> chunk(static_cast<std::size_t>(std::min(count, kChunk)));
    while (count > 0) {
        const auto n = static_cast<std::size_t>(std::min<int64_t>(count, kChunk));
        source.ReadBuffer(chunk.data(), n);
        Write(chunk.data(), n);
        count -= static_cast<int64_t>(n);
    }
}

namespace {
template <typename T>
T ReadLittleEndian(TStream& s) {
    unsigned char bytes[sizeof(T)] = {};
    s.Read(bytes, sizeof(T));
    uint64_t value = 0;
    for (std::size_t i = sizeof(T); i-- > 0;) value = (value << 8) | bytes[i];
    return static_cast<T>(value);
}
}  // namespace

int32_t TStream::ReadInt32() { return ReadLittleEndian<int32_t>(*this); }
int64_t TStream::ReadInt64() { return ReadLittleEndian<int64_t>(*this); }

}  // namespace pakmole
