#include "PakBuilder.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdint>
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

PakBuilder& PakBuilder::Version(int32_t version, bool variant8a) {
    version_ = version;
    variant8a_ = variant8a;
    return *this;
}

PakBuilder& PakBuilder::MethodNames(std::vector<std::string> names) {
    methodNames_ = std::move(names);
    return *this;
}

PakBuilder& PakBuilder::EncryptWith(PakCipher cipher) {
    cipher_ = std::move(cipher);
    return *this;
}

PakBuilder& PakBuilder::HashWith(PakHash hash, bool ofPlainBytes) {
    hash_ = std::move(hash);
    hashPlain_ = ofPlainBytes;
    return *this;
}

std::string EncodeEntry(const EncodedFields& f) {
    const auto n = static_cast<uint32_t>(f.blockLengths.size());
    const bool offset32 = f.offset <= UINT32_MAX, usize32 = f.uncompressedSize <= UINT32_MAX,
               size32 = f.size <= UINT32_MAX;
    uint32_t code = 0x3F;
    if (f.blockSize % 2048 == 0 && f.blockSize / 2048 < 0x3F) code = f.blockSize / 2048;
    uint32_t bits = (offset32 ? 1u << 31 : 0) | (usize32 ? 1u << 30 : 0) | (size32 ? 1u << 29 : 0) |
                    ((f.method & 0x3F) << 23) | (f.encrypted ? 1u << 22 : 0) | ((n & 0xFFFF) << 6) | code;
    ByteWriter out;
    auto sized = [&out](uint64_t value, bool narrow) {
        if (narrow)
            out.Int32(static_cast<int32_t>(value));
        else
            out.Int64(static_cast<int64_t>(value));
    };
    out.Int32(static_cast<int32_t>(bits));
    if (code == 0x3F) out.Int32(static_cast<int32_t>(f.blockSize));
    sized(f.offset, offset32);
    sized(f.uncompressedSize, usize32);
    if (f.method != 0) {
        sized(f.size, size32);
        if (n > 1 || f.encrypted)
            for (const uint32_t length : f.blockLengths) out.Int32(static_cast<int32_t>(length));
    }
    return out.Str();
}

namespace {

struct Placed {
    int64_t offset = 0;
    int64_t size = 0;        // bytes stored after the header
    int64_t inflated = 0;
    std::string hash;        // 20 bytes, or empty for none
    std::vector<std::pair<int64_t, int64_t>> blocks;  // absolute bounds
};

std::vector<std::string> BlocksOf(const PakBuilderEntry& entry) {
    if (!entry.rawBlocks.empty()) return entry.rawBlocks;
    std::vector<std::string> blocks;
    for (std::size_t at = 0; at < entry.data.size(); at += entry.blockSize)
        blocks.push_back(ZlibCompress(entry.data.substr(at, entry.blockSize)));
    return blocks;
}

struct Layout {
    int32_t version;
    bool variant8a;

    bool RelativeBlocks() const { return version >= 5; }
    int64_t HeaderSize(const PakBuilderEntry& entry, std::size_t blockCount) const {
        int64_t size = 8 + 8 + 8 + (variant8a ? 1 : 4) + 20;
        if (version == 1) size += 8;
        if (version >= 3) size += (entry.compressed ? 4 + 16 * static_cast<int64_t>(blockCount) : 0) + 5;
        return size;
    }
    int32_t Method(const PakBuilderEntry& entry, const std::vector<std::string>& names) const {
        if (!entry.compressed) return 0;
        if (version < 8) return 1;
        if (entry.methodSlot) return *entry.methodSlot;
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == "Zlib") return static_cast<int32_t>(i + 1);
        return 1;
    }
    // The fixed part of an entry record, written in front of the data and again in the index.
    void WriteRecord(ByteWriter& out, const PakBuilderEntry& entry, const Placed& placed, int64_t offsetField,
                     int64_t sizeField, int32_t method) const {
        out.Int64(offsetField).Int64(sizeField).Int64(placed.inflated);
        if (variant8a)
            out.Bytes(std::string(1, static_cast<char>(method)));
        else
            out.Int32(method);
        if (version == 1) out.Int64(0);
        if (placed.hash.size() == 20)
            out.Bytes(placed.hash);
        else
            out.Zeros(20);
        if (version < 3) return;
        if (method != 0 || (version <= 4 && entry.compressed)) {
            out.Int32(static_cast<int32_t>(placed.blocks.size()));
            const int64_t base = RelativeBlocks() ? placed.offset : 0;
            for (const auto& [start, end] : placed.blocks) out.Int64(start - base).Int64(end - base);
        }
        out.Bytes(std::string(1, entry.encrypted ? '\1' : '\0'))
            .Int32(entry.compressed ? static_cast<int32_t>(entry.blockSize) : 0);
    }
    int64_t MagicDistance() const {
        if (version <= 7) return 44;
        if (version == 8) return variant8a ? 172 : 204;
        return version == 9 ? 205 : 204;
    }
};

}  // namespace

std::string PakBuilder::Build() const {
    const Layout layout{version_, variant8a_};
    ByteWriter out;
    std::vector<Placed> placed;
    std::vector<int32_t> methods;
    for (const auto& entry : entries_) {
        Placed p;
        p.offset = static_cast<int64_t>(out.Size());
        p.inflated = static_cast<int64_t>(entry.data.size());
        const int32_t method = layout.Method(entry, methodNames_);
        methods.push_back(method);
        // Encrypted data is padded to whole cipher blocks, each compression
        // block on its own; the bounds and a stored entry's size stay unpadded.
        const bool encrypt = entry.encrypted && cipher_;
        std::string plain;  // the data region before encryption
        auto stored = [&](const std::string& bytes) {
            if (!encrypt) {
                plain += bytes;
                return bytes;
            }
            std::string padded = bytes;
            padded.resize((bytes.size() + 15) & ~std::size_t{15}, '\0');
            plain += padded;
            return cipher_(padded);
        };
        std::string data;
        if (entry.compressed) {
            const auto blocks = BlocksOf(entry);
            const int64_t header = layout.HeaderSize(entry, blocks.size());
            int64_t at = p.offset + header;
            for (const auto& block : blocks) {
                p.blocks.emplace_back(at, at + static_cast<int64_t>(block.size()));
                data += stored(block);
                at = p.offset + header + static_cast<int64_t>(data.size());
            }
            p.size = at - p.offset - header;
        } else {
            data = stored(entry.data);
            p.size = p.inflated;
        }
        if (hash_) p.hash = hash_((hashPlain_ ? plain : data).substr(0, static_cast<std::size_t>(p.size)));
        layout.WriteRecord(out, entry, p, 0, p.size, method);
        out.Bytes(data);
        placed.push_back(p);
    }

    const int64_t indexOffset = static_cast<int64_t>(out.Size());
    ByteWriter index;
    if (mountPoint_.empty())
        index.Int32(0);
    else
        index.Name(mountPoint_);
    index.Int32(entryCount_.value_or(static_cast<int32_t>(entries_.size())));
    std::string directoryIndex;
    if (version_ >= 10) {
        // Encoded entries in a blob, the others as records, and the names in
        // a directory index placed right after the primary index.
        ByteWriter blob, records;
        std::vector<int32_t> locations;
        int32_t recordCount = 0;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const auto& entry = entries_[i];
            if (entry.nonEncoded) {
                layout.WriteRecord(records, entry, placed[i], placed[i].offset, placed[i].size, methods[i]);
                locations.push_back(-(++recordCount));
                continue;
            }
            EncodedFields fields;
            fields.offset = static_cast<uint64_t>(placed[i].offset);
            fields.uncompressedSize = static_cast<uint64_t>(placed[i].inflated);
            fields.size = static_cast<uint64_t>(placed[i].size);
            fields.method = static_cast<uint32_t>(methods[i]);
            fields.encrypted = entry.encrypted && cipher_;
            fields.blockSize = entry.compressed ? static_cast<uint32_t>(entry.blockSize) : 0;
            for (const auto& [start, end] : placed[i].blocks) fields.blockLengths.push_back(static_cast<uint32_t>(end - start));
            locations.push_back(static_cast<int32_t>(blob.Size()));
            blob.Bytes(EncodeEntry(fields));
        }
        // Directories in order of first appearance, files in index order.
        std::vector<std::pair<std::string, std::vector<std::size_t>>> folders;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const std::string& name = entries_[i].name;
            const std::size_t slash = name.rfind('/');
            const std::string folder = slash == std::string::npos ? "/" : name.substr(0, slash + 1);
            auto it = std::find_if(folders.begin(), folders.end(), [&](const auto& f) { return f.first == folder; });
            if (it == folders.end()) it = folders.insert(folders.end(), {folder, {}});
            it->second.push_back(i);
        }
        ByteWriter dirs;
        dirs.Int32(static_cast<int32_t>(folders.size()));
        for (const auto& [folder, files] : folders) {
            dirs.Name(folder).Int32(static_cast<int32_t>(files.size()));
            for (const std::size_t i : files) {
                const auto& entry = entries_[i];
                if (entry.wideName)
                    dirs.WideName(entry.wideName->substr(entry.wideName->rfind(u'/') + 1));
                else
                    dirs.Name(entry.name.substr(entry.name.rfind('/') + 1));
                dirs.Int32(locations[i]);
            }
        }
        directoryIndex = dirs.Str();
        index.Int64(0x1234).Int32(0);  // seed, no path-hash index
        const int64_t primarySize = static_cast<int64_t>(index.Size()) + 4 + 8 + 8 + 20 + 4 +
                                    static_cast<int64_t>(blob.Size()) + 4 + static_cast<int64_t>(records.Size());
        index.Int32(1).Int64(indexOffset + primarySize).Int64(static_cast<int64_t>(directoryIndex.size())).Zeros(20);
        index.Int32(static_cast<int32_t>(blob.Size())).Bytes(blob.Str()).Int32(recordCount).Bytes(records.Str());
    } else {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const auto& entry = entries_[i];
            if (entry.wideName)
                index.WideName(*entry.wideName);
            else
                index.Name(entry.name);
            ByteWriter record;
            layout.WriteRecord(record, entry, placed[i], placed[i].offset, entry.indexSize.value_or(placed[i].size),
                               methods[i]);
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
    }
    out.Bytes(index.Str());
    out.Bytes(directoryIndex);
    // Footer: key GUID (7+), encrypted-index byte (4+), magic, version, index
    // offset, index size, index hash, frozen byte (9), method names (8+).
    if (version_ >= 7) out.Zeros(16);
    if (version_ >= 4) out.Zeros(1);
    out.Int32(0x5A6F12E1).Int32(version_).Int64(indexOffset).Int64(static_cast<int64_t>(index.Size())).Zeros(20);
    if (version_ == 9) out.Zeros(1);
    if (version_ >= 8) {
        const std::size_t slots = variant8a_ ? 4 : 5;
        for (std::size_t i = 0; i < slots; ++i) {
            std::string slot = i < methodNames_.size() ? methodNames_[i] : "";
            slot.resize(32, '\0');
            out.Bytes(slot);
        }
    }
    return out.Str();
}

int64_t PakBuilder::IndexOffset() const {
    const std::string bytes = Build();
    const std::size_t at = bytes.size() - static_cast<std::size_t>(Layout{version_, variant8a_}.MagicDistance()) + 8;
    int64_t offset = 0;
    for (int i = 7; i >= 0; --i) offset = (offset << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return offset;
}

void PakBuilder::WriteTo(const std::string& path) const {
    const std::string bytes = Build();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + path);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace pakmole::test
