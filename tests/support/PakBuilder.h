#pragma once
// Builds pak files in code, in the layout the engine writes (a version 3
// footer of 44 bytes, entry headers in front of the data, absolute block
// offsets), plus the pieces needed to write damaged or unusual ones.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pakmole::test {

// Little-endian writer for hand-made records.
class ByteWriter {
public:
    ByteWriter& Int32(int32_t value);
    ByteWriter& Int64(int64_t value);
    ByteWriter& Bytes(const std::string& bytes);
    ByteWriter& Zeros(std::size_t count);
    // Length (counting a terminator), characters, terminator; negative length
    // and 16-bit units when wide.
    ByteWriter& Name(const std::string& name);
    ByteWriter& WideName(const std::u16string& name);
    std::size_t Size() const { return bytes_.size(); }
    const std::string& Str() const { return bytes_; }

private:
    std::string bytes_;
};

std::string ZlibCompress(const std::string& data, int level = 6);

struct PakBuilderEntry {
    std::string name;                       // as stored (forward slashes, as the engine writes)
    std::optional<std::u16string> wideName; // stored with 16-bit characters instead
    std::string data;
    bool compressed = false;
    std::size_t blockSize = 64 * 1024;
    // The blocks' zlib streams; empty: made from data with blockSize.
    std::vector<std::string> rawBlocks;
    // Index field overrides, for odd but readable records.
    std::optional<int32_t> indexCompressionMethod;
    std::optional<int64_t> indexSize;
};

class PakBuilder {
public:
    PakBuilder& MountPoint(std::string mountPoint);
    PakBuilder& Stored(std::string name, std::string data);
    PakBuilder& Compressed(std::string name, std::string data, std::size_t blockSize = 64 * 1024);
    PakBuilder& Add(PakBuilderEntry entry);
    // Replaces the entry count written in the index.
    PakBuilder& EntryCount(int32_t count);

    std::string Build() const;
    // Where the index starts in Build()'s bytes.
    int64_t IndexOffset() const;
    void WriteTo(const std::string& path) const;

private:
    std::string mountPoint_ = "../../../";
    std::vector<PakBuilderEntry> entries_;
    std::optional<int32_t> entryCount_;
};

}  // namespace pakmole::test
