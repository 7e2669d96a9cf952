#include "skin/data/PackageInflater.h"

#include <zlib.h>

#include <algorithm>
#include <string>

#include "skin/data/SkinPackageError.h"

namespace pakmole {
namespace {

class ZStream {
public:
    ZStream() {
        if (inflateInit(&z_) != Z_OK) throw ESkinPackageError("Skin package data error: zlib could not start");
    }
    ~ZStream() { inflateEnd(&z_); }
    ZStream(const ZStream&) = delete;
    ZStream& operator=(const ZStream&) = delete;
    z_stream* operator->() { return &z_; }
    z_stream* get() { return &z_; }

private:
    z_stream z_{};
};

[[noreturn]] void DataError(z_stream& z) {
    throw ESkinPackageError(std::string("Skin package data error: ") + (z.msg ? z.msg : "invalid compressed data"));
}

}  // namespace

void TPackageInflater::InflateEntry(TStream& source, int64_t size, ByteBuffer& out) {
    out.clear();
    const int64_t remaining = source.Remaining();
    if (size < 0 || remaining <= 0 || size / kMaxRatio > remaining) throw NotAPackageError();
    // The output grows with the data actually inflated, so a false size costs nothing.
    out.reserve(static_cast<std::size_t>(std::min<int64_t>(size, remaining * 8)));

    ZStream z;
    std::vector<unsigned char> in(kChunkSize);
    std::vector<unsigned char> buffer(kChunkSize);
    for (;;) {
        if (z->avail_in == 0) {
            const std::size_t got = source.Read(in.data(), in.size());
            if (got == 0) throw NotAPackageError();  // the package ends inside the stream
            z->next_in = in.data();
            z->avail_in = static_cast<uInt>(got);
        }
        z->next_out = buffer.data();
        z->avail_out = static_cast<uInt>(buffer.size());
        const int rc = inflate(z.get(), Z_NO_FLUSH);
        const std::size_t made = buffer.size() - z->avail_out;
        if (static_cast<int64_t>(out.size() + made) > size) throw NotAPackageError();
        out.insert(out.end(), buffer.data(), buffer.data() + made);
        if (rc == Z_STREAM_END) {
            if (static_cast<int64_t>(out.size()) != size) throw NotAPackageError();
            source.SetPosition(source.Position() - static_cast<int64_t>(z->avail_in));
            return;
        }
        if (rc != Z_OK && rc != Z_BUF_ERROR) DataError(*z.get());
        // Z_BUF_ERROR means no progress with the input at hand; more is read above.
        if (rc == Z_BUF_ERROR && z->avail_in != 0) DataError(*z.get());
    }
}

}  // namespace pakmole
