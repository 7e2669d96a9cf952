#pragma once
// A seekable stream over a file. Reads go through a small buffer, so the pak
// index, read one byte at a time, costs no system call per byte.
#include <memory>
#include <string>
#include <vector>

#include "FileHandle.h"
#include "Stream.h"

namespace pakmole {

class TFileStream : public TStream {
public:
    TFileStream(const std::string& path, FileMode mode);

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    int64_t Position() const override { return position_; }
    void SetPosition(int64_t position) override { position_ = position < 0 ? 0 : position; }
    int64_t Size() const override { return size_; }
    FileIdentity Identity() const { return file_.Identity(); }

private:
    static constexpr std::size_t kBufferSize = 64 * 1024;
    FileHandle file_;
    int64_t size_;
    int64_t position_ = 0;
    std::vector<unsigned char> buffer_;
    int64_t bufferStart_ = 0;  // file offset of buffer_[0]
};

}  // namespace pakmole
