#pragma once
// A growable in-memory stream that can be saved to and loaded from a file whole.
#include <string>
#include <vector>

#include "ByteBuffer.h"
#include "Stream.h"

namespace pakmole {

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(const std::vector<unsigned char>& bytes) : bytes_(bytes.begin(), bytes.end()) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    int64_t Position() const override { return position_; }
    void SetPosition(int64_t position) override;
    int64_t Size() const override { return static_cast<int64_t>(bytes_.size()); }

    void Clear();
    void Reserve(std::size_t capacity) { bytes_.reserve(capacity); }
    const unsigned char* Memory() const { return bytes_.data(); }
    const ByteBuffer& Bytes() const { return bytes_; }
    // Direct access for writers that fill the buffer themselves (inflaters);
    // what they grow it by is theirs to fill.
    ByteBuffer& MutableBytes() { return bytes_; }

    // Creates or truncates the file and writes the whole content.
    void SaveToFile(const std::string& path) const;
    // Replaces the content by the whole file; the position goes to 0.
    void LoadFromFile(const std::string& path);

private:
    ByteBuffer bytes_;
    int64_t position_ = 0;
};

}  // namespace pakmole
