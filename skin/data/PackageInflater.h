#pragma once
// Inflates one zlib stream of a skin package straight from the package stream.
// Packages store no compressed length, so the inflater reads ahead in 64 KiB
// chunks and, once the stream has ended, gives the unconsumed bytes back by
// seeking the source, which leaves the source on the next entry header.
#include <cstdint>
#include <vector>

#include "base/ByteBuffer.h"
#include "base/Stream.h"

namespace pakmole {

class TPackageInflater {
public:
    static constexpr std::size_t kChunkSize = 65536;
    // Deflate cannot expand data by more than about 1032:1; a stated size
    // beyond that for the bytes that remain cannot be genuine.
    static constexpr int64_t kMaxRatio = 1032;

    // Inflates the zlib stream at the source's position into `out`, which
    // receives exactly `size` bytes. Fails when the stream is damaged, ends
    // early, holds more than `size` bytes or the source ends inside it.
    static void InflateEntry(TStream& source, int64_t size, ByteBuffer& out);
};

}  // namespace pakmole
