#include "FileStream.h"

#include <algorithm>
#include <cstring>

namespace pakmole {

TFileStream::TFileStream(const std::string& path, FileMode mode)
    : file_(path, mode), size_(mode == FileMode::Create ? 0 : file_.Size()) {}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
    if (count == 0 || position_ >= size_) return 0;
    auto* out = static_cast<unsigned char*>(buffer);
    // Large reads bypass the buffer: the bulk copies of entry data.
    if (count >= kBufferSize) {
        const std::size_t n = file_.ReadAt(position_, out, count);
        position_ += static_cast<int64_t>(n);
        return n;
    }
    std::size_t done = 0;
    while (done < count) {
        const int64_t bufferEnd = bufferStart_ + static_cast<int64_t>(buffer_.size());
        if (position_ < bufferStart_ || position_ >= bufferEnd) {
            buffer_.resize(kBufferSize);
            buffer_.resize(file_.ReadAt(position_, buffer_.data(), kBufferSize));
            bufferStart_ = position_;
            if (buffer_.empty()) break;
            continue;
        }
        const auto offset = static_cast<std::size_t>(position_ - bufferStart_);
        const std::size_t n = std::min(count - done, buffer_.size() - offset);
        std::memcpy(out + done, buffer_.data() + offset, n);
        done += n;
        position_ += static_cast<int64_t>(n);
    }
    return done;
}

void TFileStream::Write(const void* buffer, std::size_t count) {
    // Files are written front to back in one go; the read buffer is not involved.
    file_.Write(buffer, count);
    position_ += static_cast<int64_t>(count);
    size_ = std::max(size_, position_);
}

}  // namespace pakmole
