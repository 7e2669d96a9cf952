#include "PakBuilder.h"

#include <zlib.h>

#include <fstream>
#include <stdexcept>

namespace pakmole::test {

ByteWriter& ByteWriter::Int32(int32_t value) {
    for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>(static_cast<uint32_t>(value) >> (8 * i));
    return *this;
}

ByteWriter& ByteWriter::Int64(int64_t value) {
    for (int i = 0; i < 8; ++i) bytes_ += static_cast<char>(static_cast<uint64_t>(value) >> (8 * i));
    return *this;
}

ByteWriter& ByteWriter::Bytes(const std::string& bytes) {
    bytes_ += bytes;
    return *this;
}

ByteWriter& ByteWriter::Zeros(std::size_t count) {
    bytes_.append(count, '\0');
    return *this;
}

ByteWriter& ByteWriter::Name(const std::string& name) {
    Int32(static_cast<int32_t>(name.size() + 1));
    bytes_ += name;
    bytes_ += '\0';
    return *this;
}

ByteWriter& ByteWriter::WideName(const std::u16string& name) {
    Int32(-static_cast<int32_t>(name.size() + 1));
    for (const char16_t c : name) {
        bytes_ += static_cast<char>(c & 0xFF);
        bytes_ += static_cast<char>(c >> 8);
    }
    bytes_.append(2, '\0');
    return *this;
}

std::string ZlibCompress(const std::string& data, int level) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                  static_cast<uLong>(data.size()), level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    packed.resize(size);
    return packed;
}

PakBuilder& PakBuilder::MountPoint(std::string mountPoint) {
    mountPoint_ = std::move(mountPoint);
    return *this;
}

PakBuilder& PakBuilder::Stored(std::string name, std::string data) {
    PakBuilderEntry entry;
    entry.name = std::move(name);
    entry.data = std::move(data);
    return Add(std::move(entry));
}

PakBuilder& PakBuilder::Compressed(std::string name, std::string data, std::size_t blockSize) {
    PakBuilderEntry entry;
    entry.name = std::move(name);
    entry.data = std::move(data);
    entry.compressed = true;
    entry.blockSize = blockSize;
    return Add(std::move(entry));
}

PakBuilder& PakBuilder::Add(PakBuilderEntry entry) {
    entries_.push_back(std::move(entry));
    return *this;
}

PakBuilder& PakBuilder::EntryCount(int32_t count) {
    entryCount_ = count;
    return *this;
}

namespace {

struct Placed {
    int64_t offset = 0;
    int64_t size = 0;        // bytes stored after the header
    int64_t inflated = 0;
    std::vector<std::pair<int64_t, int64_t>> blocks;  // absolute bounds
};

std::vector<std::string> BlocksOf(const PakBuilderEntry& entry) {
    if (!entry.rawBlocks.empty()) return entry.rawBlocks;
    std::vector<std::string> blocks;
    for (std::size_t at = 0; at < entry.data.size(); at += entry.blockSize)
        blocks.push_back(ZlibCompress(entry.data.substr(at, entry.blockSize)));
    return blocks;
}

// The fixed part of an entry record, written in front of the data and again in the index.
void WriteRecord(ByteWriter& out, const PakBuilderEntry& entry, const Placed& placed, int64_t offsetField,
                 int64_t sizeField) {
    const int32_t method = entry.compressed ? 1 : 0;
    out.Int64(offsetField).Int64(sizeField).Int64(placed.inflated).Int32(method).Zeros(20);
    if (entry.compressed) {
        out.Int32(static_cast<int32_t>(placed.blocks.size()));
        for (const auto& [start, end] : placed.blocks) out.Int64(start).Int64(end);
    }
    out.Zeros(1).Int32(entry.compressed ? static_cast<int32_t>(entry.blockSize) : 0);
}

int64_t HeaderSize(const PakBuilderEntry& entry, std::size_t blockCount) {
    return 48 + (entry.compressed ? 4 + 16 * static_cast<int64_t>(blockCount) : 0) + 5;
}

}  // namespace

std::string PakBuilder::Build() const {
    ByteWriter out;
    std::vector<Placed> placed;
    for (const auto& entry : entries_) {
        Placed p;
        p.offset = static_cast<int64_t>(out.Size());
        p.inflated = static_cast<int64_t>(entry.data.size());
        if (entry.compressed) {
            const auto blocks = BlocksOf(entry);
            int64_t at = p.offset + HeaderSize(entry, blocks.size());
            for (const auto& block : blocks) {
                p.blocks.emplace_back(at, at + static_cast<int64_t>(block.size()));
                at += static_cast<int64_t>(block.size());
            }
            p.size = at - p.offset - HeaderSize(entry, blocks.size());
            WriteRecord(out, entry, p, 0, p.size);
            for (const auto& block : blocks) out.Bytes(block);
        } else {
            p.size = p.inflated;
            WriteRecord(out, entry, p, 0, p.size);
            out.Bytes(entry.data);
        }
        placed.push_back(p);
    }

    const int64_t indexOffset = static_cast<int64_t>(out.Size());
    ByteWriter index;
    if (mountPoint_.empty())
        index.Int32(0);
    else
        index.Name(mountPoint_);
    index.Int32(entryCount_.value_or(static_cast<int32_t>(entries_.size())));
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const auto& entry = entries_[i];
        if (entry.wideName)
            index.WideName(*entry.wideName);
        else
            index.Name(entry.name);
        ByteWriter record;
        WriteRecord(record, entry, placed[i], placed[i].offset, entry.indexSize.value_or(placed[i].size));
        std::string bytes = record.Str();
        if (entry.indexCompressionMethod) {
            // Rewrite the method and drop or keep the table to match it.
            ByteWriter odd;
            odd.Int64(placed[i].offset).Int64(entry.indexSize.value_or(placed[i].size)).Int64(placed[i].inflated);
            odd.Int32(*entry.indexCompressionMethod).Zeros(20);
            if (*entry.indexCompressionMethod > 0) {
                odd.Int32(static_cast<int32_t>(placed[i].blocks.size()));
                for (const auto& [start, end] : placed[i].blocks) odd.Int64(start).Int64(end);
            }
            odd.Zeros(5);
            bytes = odd.Str();
        }
        index.Bytes(bytes);
    }
    out.Bytes(index.Str());
    // Footer: magic, version, index offset, index size, index hash.
    out.Int32(0x5A6F12E1).Int32(3).Int64(indexOffset).Int64(static_cast<int64_t>(index.Size())).Zeros(20);
    return out.Str();
}

int64_t PakBuilder::IndexOffset() const {
    const std::string bytes = Build();
    int64_t offset = 0;
    for (int i = 7; i >= 0; --i) offset = (offset << 8) | static_cast<unsigned char>(bytes[bytes.size() - 36 + i]);
    return offset;
}

void PakBuilder::WriteTo(const std::string& path) const {
    const std::string bytes = Build();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + path);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace pakmole::test
