#include "MemoryBlockInflater.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

#include "base/Exceptions.h"

namespace pakmole {
namespace {
// inflateEnd on every path.
class Inflater {
public:
    explicit Inflater(BlockFormat format) {
        // 16 on top of the window bits asks zlib for a gzip member instead.
        if (inflateInit2(&z, format == BlockFormat::Gzip ? 16 + MAX_WBITS : MAX_WBITS) != Z_OK)
            throw Exception("Error");
    }
    ~Inflater() { inflateEnd(&z); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;
    z_stream z{};
};
}  // namespace

void MemoryBlockInflater::InflateBlock(TMemoryStream& block, TMemoryStream& output, BlockFormat format,
                                       int64_t room) {
    const auto& input = block.Bytes();
    if (input.empty()) return;
    auto& out = output.MutableBytes();
    const std::size_t start = out.size();
    std::size_t used = start;
    // One byte more than the room, so that output past it shows.
    const auto cap = static_cast<uint64_t>(std::max<int64_t>(room, 0)) + 1;
    Inflater inflater(format);
    inflater.z.next_in = const_cast<Bytef*>(input.data());
    inflater.z.avail_in = static_cast<uInt>(std::min<std::size_t>(input.size(), UINT_MAX));
    for (;;) {
        if (used == out.size()) {
            // Grow by a few times the block, not to the whole reserved
            // capacity: the growth is zero-filled, and this runs per block.
            // Within the reserved capacity as long as there is some, so the
            // last block of an entry does not double the buffer.
            const uint64_t left = cap - (used - start);
            if (left == 0) {
                out.resize(start);
                throw InflatesPastRecordedSize();
            }
            std::size_t grow = std::max<std::size_t>(input.size() * 4, 64 * 1024);
            if (out.capacity() > out.size()) grow = std::min(grow, out.capacity() - out.size());
            grow = static_cast<std::size_t>(std::min<uint64_t>(grow, left));
            out.resize(out.size() + grow);
        }
        inflater.z.next_out = out.data() + used;
        inflater.z.avail_out = static_cast<uInt>(std::min<std::size_t>(out.size() - used, UINT_MAX));
        const uInt before = inflater.z.avail_out;
        const int result = inflate(&inflater.z, Z_NO_FLUSH);
        used += before - inflater.z.avail_out;
        if (result == Z_STREAM_END) break;
        // Out of input with the stream unfinished: keep what was inflated.
        if (result == Z_BUF_ERROR && inflater.z.avail_in == 0) break;
        // A stream that asks for a preset dictionary can never go on.
        if (result < 0 || result == Z_NEED_DICT) {
            out.resize(used);
            throw Exception("Error");
        }
        if (inflater.z.avail_in == 0 && inflater.z.avail_out != 0) break;
    }
    if (used - start > cap - 1) {
        out.resize(start);
        throw InflatesPastRecordedSize();
    }
    out.resize(used);
    output.SetPosition(static_cast<int64_t>(used));
}

}  // namespace pakmole
