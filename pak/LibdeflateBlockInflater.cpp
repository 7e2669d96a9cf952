#include "LibdeflateBlockInflater.h"

#include <libdeflate.h>

#include <algorithm>
#include <memory>
#include <new>

#include "MemoryBlockInflater.h"

namespace pakmole {
namespace {

// Deflate never inflates one byte to more than about 1032; a buffer beyond
// that could only hold what zlib would refuse anyway.
constexpr uint64_t kMaxInflateRatio = 1032;
// Most paks cut their entries into blocks of 64 KiB: one try fits those.
constexpr uint64_t kFirstTry = 64 * 1024;

struct FreeDecompressor {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

}  // namespace

void LibdeflateBlockInflater::InflateBlock(TMemoryStream& block, TMemoryStream& output, BlockFormat format,
                                           int64_t room) {
    const auto& input = block.Bytes();
    if (input.empty()) return;
    // One per call: it is a plain allocation, and no state is shared between threads.
    const std::unique_ptr<libdeflate_decompressor, FreeDecompressor> decompressor(libdeflate_alloc_decompressor());
    if (!decompressor) throw std::bad_alloc();
    auto& out = output.MutableBytes();
    const std::size_t start = out.size();
    const uint64_t most = std::min<uint64_t>(static_cast<uint64_t>(std::max<int64_t>(room, 0)),
                                             static_cast<uint64_t>(input.size()) * kMaxInflateRatio + 64);
    // The first try is zero-filled for every block: about twice the input
    // holds what little compresses, and kFirstTry the usual block.
    uint64_t capacity = std::min(most, std::max<uint64_t>(static_cast<uint64_t>(input.size()) * 2, kFirstTry));
    for (;;) {
        if (capacity > out.max_size() - start) throw std::bad_alloc();
        out.resize(start + static_cast<std::size_t>(capacity));
        std::size_t taken = 0, inflated = 0;
        const libdeflate_result result =
            format == BlockFormat::Gzip
                ? libdeflate_gzip_decompress_ex(decompressor.get(), input.data(), input.size(), out.data() + start,
                                                static_cast<std::size_t>(capacity), &taken, &inflated)
                : libdeflate_zlib_decompress_ex(decompressor.get(), input.data(), input.size(), out.data() + start,
                                                static_cast<std::size_t>(capacity), &taken, &inflated);
        if (result == LIBDEFLATE_SUCCESS) {
            // Bytes after the end of the stream (taken < input) are ignored.
            out.resize(start + inflated);
            output.SetPosition(static_cast<int64_t>(out.size()));
            return;
        }
        if (result == LIBDEFLATE_INSUFFICIENT_SPACE && capacity < most) {
            capacity = std::min(most, capacity * 4);
            continue;
        }
        break;
    }
    // Cut, damaged, or bigger than its room: zlib's answer is the rule.
    out.resize(start);
    MemoryBlockInflater().InflateBlock(block, output, format, room);
}

}  // namespace pakmole
