#pragma once
// A read-only stream that inflates a zlib (or gzip) stream read from a source stream.
#include <zlib.h>

#include "BlockInflater.h"

#include "base/Stream.h"

namespace pakmole {

class TZDecompressionStream : public TStream {
public:
    explicit TZDecompressionStream(TStream& source, BlockFormat format = BlockFormat::Zlib);
    ~TZDecompressionStream() override;

    // Returns what could be inflated: fewer bytes at the stream's end or when
    // the input runs out, 0 once nothing is left. Raises "Error" on corrupt data.
    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void*, std::size_t) override;
    int64_t Position() const override { return static_cast<int64_t>(zstream_.total_out); }
    void SetPosition(int64_t) override;
    int64_t Size() const override { return -1; }

private:
    TStream& source_;
    z_stream zstream_{};
    unsigned char input_[4096];
    bool ended_ = false;
};

}  // namespace pakmole
