#include "ZDecompressionStream.h"

#include "base/Exceptions.h"

namespace pakmole {

TZDecompressionStream::TZDecompressionStream(TStream& source, BlockFormat format) : source_(source) {
    // 16 on top of the window bits asks zlib for a gzip member instead.
    const int windowBits = format == BlockFormat::Gzip ? 16 + MAX_WBITS : MAX_WBITS;
    if (inflateInit2(&zstream_, windowBits) != Z_OK) throw Exception("Error");
}

TZDecompressionStream::~TZDecompressionStream() { inflateEnd(&zstream_); }

std::size_t TZDecompressionStream::Read(void* buffer, std::size_t count) {
    zstream_.next_out = static_cast<Bytef*>(buffer);
    zstream_.avail_out = static_cast<uInt>(count);
    while (zstream_.avail_out > 0 && !ended_) {
        if (zstream_.avail_in == 0) {
            const std::size_t got = source_.Read(input_, sizeof input_);
            if (got == 0) break;  // input ran out: hand back what we have
            zstream_.next_in = input_;
            zstream_.avail_in = static_cast<uInt>(got);
        }
        const int result = inflate(&zstream_, Z_NO_FLUSH);
        // A stream that asks for a preset dictionary can never go on: without
        // this it would be asked again for ever.
        if (result < 0 || result == Z_NEED_DICT) throw Exception("Error");
        if (result == Z_STREAM_END) ended_ = true;
    }
    return count - zstream_.avail_out;
}

void TZDecompressionStream::Write(const void*, std::size_t) { throw StreamWriteError(); }

void TZDecompressionStream::SetPosition(int64_t) { throw Exception("Invalid stream operation"); }

}  // namespace pakmole
