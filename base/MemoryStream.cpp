#include "MemoryStream.h"

#include <algorithm>
#include <cstring>

#include "FileStream.h"

namespace pakmole {

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
    // Nothing asked for: buffer may be the null data() of an empty vector.
    if (count == 0 || position_ >= Size()) return 0;
    const auto n = static_cast<std::size_t>(std::min<int64_t>(static_cast<int64_t>(count), Size() - position_));
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += static_cast<int64_t>(n);
    return n;
}

void TMemoryStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) return;
    const auto end = static_cast<std::size_t>(position_) + count;
    // A position past the end leaves zeros between the end and it.
    if (static_cast<std::size_t>(position_) > bytes_.size()) bytes_.resize(static_cast<std::size_t>(position_), 0);
    if (end > bytes_.size()) bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, buffer, count);
    position_ = static_cast<int64_t>(end);
}

void TMemoryStream::SetPosition(int64_t position) { position_ = std::max<int64_t>(position, 0); }

void TMemoryStream::Clear() {
    bytes_.clear();
    position_ = 0;
}

void TMemoryStream::SaveToFile(const std::string& path) const {
    TFileStream file(path, FileMode::Create);
    file.WriteBuffer(bytes_.data(), bytes_.size());
}

void TMemoryStream::LoadFromFile(const std::string& path) {
    TFileStream file(path, FileMode::OpenRead);
    bytes_.resize(static_cast<std::size_t>(file.Size()));
    position_ = 0;
    try {
        file.ReadBuffer(bytes_.data(), bytes_.size());
    } catch (...) {
        bytes_.clear();  // not what was grown and never read
        throw;
    }
}

}  // namespace pakmole
