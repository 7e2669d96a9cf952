#include "PakBuilder.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <fstream>
#include <map>
#include <stdexcept>

#include "base/Aes256Ctr.h"
#include "base/Sha1.h"
#include "base/Utf8.h"

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

PakBuilder& PakBuilder::FlatDirectoryIndex(int32_t interval) {
    flatInterval_ = interval;
    return *this;
}

PakBuilder& PakBuilder::PakchunkIndex(int32_t index) {
    pakchunkIndex_ = index;
    return *this;
}

PakBuilder& PakBuilder::Encrypt(const std::array<uint8_t, 32>& key, bool counterMode, bool index, bool entries) {
    key_ = key;
    counterMode_ = counterMode;
    encryptIndex_ = index;
    encryptEntries_ = entries;
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

namespace {
AesKey KeyOf(const std::array<uint8_t, 32>& bytes) {
    AesKey key;
    key.bytes = bytes;
    return key;
}
AesCtrIv IvOf(const std::string& iv) {
    AesCtrIv out{};
    if (iv.size() != out.size()) throw std::runtime_error("an IV has 12 bytes");
    std::copy(iv.begin(), iv.end(), out.begin());
    return out;
}
}  // namespace

// Encrypting a block X in ECB is AES of X itself, which is the counter-mode
// key stream for the counter block X (its first 12 bytes as the IV, the
// last 4 as the block number).
std::string EncryptEcb(const std::array<uint8_t, 32>& key, std::string data) {
    if (data.size() % 16 != 0) throw std::runtime_error("ECB needs whole blocks");
    const Aes256Ctr aes(KeyOf(key));
    for (std::size_t at = 0; at < data.size(); at += 16) {
        AesCtrIv iv{};
        std::copy(data.begin() + static_cast<std::ptrdiff_t>(at), data.begin() + static_cast<std::ptrdiff_t>(at + 12),
                  iv.begin());
        uint32_t number = 0;
        for (std::size_t i = 12; i < 16; ++i) number = (number << 8) | static_cast<unsigned char>(data[at + i]);
        uint8_t block[16] = {};
        aes.Apply(iv, number, block, sizeof block);
        std::copy(block, block + 16, data.begin() + static_cast<std::ptrdiff_t>(at));
    }
    return data;
}

std::string ApplyCtr(const std::array<uint8_t, 32>& key, const std::string& iv, std::string data) {
    Aes256Ctr(KeyOf(key)).Apply(IvOf(iv), 0, reinterpret_cast<uint8_t*>(data.data()), data.size());
    return data;
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
    if (!f.iv.empty()) out.Bytes(f.iv);
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
    bool encrypted = false;
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
        out.Bytes(std::string(1, placed.encrypted ? '\x01' : '\0'))
            .Int32(entry.compressed ? static_cast<int32_t>(entry.blockSize) : 0);
    }
    int64_t MagicDistance() const {
        if (version <= 7) return 44;
        if (version == 8) return variant8a ? 172 : 204;
        if (version == 14) return 208;
        if (version >= 15) return 245;
        return version == 9 ? 205 : 204;
    }
};

}  // namespace

namespace {

int64_t Align16(int64_t n) { return (n + 15) & ~int64_t{15}; }
std::string Padded16(std::string bytes) {
    bytes.resize(static_cast<std::size_t>(Align16(static_cast<int64_t>(bytes.size()))), '\0');
    return bytes;
}

// A name as the directory index stores it from version 12 on: UTF-8 bytes.
std::string Utf8Of(const PakBuilderEntry& entry) {
    return entry.wideName ? Utf16ToUtf8(*entry.wideName) : entry.name;
}

// An IV of 12 bytes made from a tag and a number, different for every range.
std::string MakeIv(char tag, std::size_t number) {
    std::string iv(12, tag);
    for (std::size_t i = 0; i < 8; ++i) iv[4 + i] = static_cast<char>((number * 2654435761u + i * 97) >> (i % 4 * 8));
    return iv;
}

// The flat directory index: directories sorted by their bytes and
// front-coded, file names in one blob, a hash table that readers skip.
std::string FlatDirectories(const std::map<std::string, std::vector<std::pair<std::string, int32_t>>>& folders,
                            int32_t interval) {
    ByteWriter dirBlob;
    std::string fileBlob;
    std::vector<int32_t> anchors, firsts, nameOffsets, locations;
    std::string previous;
    int32_t d = 0;
    for (const auto& [folder, files] : folders) {
        if (d % interval == 0) {
            anchors.push_back(static_cast<int32_t>(dirBlob.Size()));
            previous.clear();
        }
        std::size_t shared = 0;
        while (shared < previous.size() && shared < folder.size() && previous[shared] == folder[shared]) ++shared;
        dirBlob.Int32(static_cast<int32_t>(shared)).Int32(static_cast<int32_t>(folder.size() - shared));
        dirBlob.Bytes(folder.substr(shared));
        previous = folder;
        firsts.push_back(static_cast<int32_t>(locations.size()));
        for (const auto& [name, location] : files) {
            nameOffsets.push_back(static_cast<int32_t>(fileBlob.size()));
            fileBlob += name;
            locations.push_back(location);
        }
        ++d;
    }
    anchors.push_back(static_cast<int32_t>(dirBlob.Size()));
    firsts.push_back(static_cast<int32_t>(locations.size()));
    nameOffsets.push_back(static_cast<int32_t>(fileBlob.size()));
    const auto fileCount = static_cast<int32_t>(locations.size());
    ByteWriter out;
    out.Bytes("QDFP").Int32(d).Int32(fileCount).Int32(interval).Int32(static_cast<int32_t>(dirBlob.Size()));
    out.Int32(static_cast<int32_t>(fileBlob.size())).Int32(fileCount).Int32(0);
    for (int32_t i = 0; i < fileCount; ++i) out.Int64(0x1000 + i);  // sorted stand-in hashes
    for (const int32_t location : locations) out.Int32(location);
    for (const auto* table : {&anchors, &firsts, &nameOffsets, &locations})
        for (const int32_t value : *table) out.Int32(value);
    out.Bytes(dirBlob.Str()).Bytes(fileBlob);
    return out.Str();
}

}  // namespace

std::string PakBuilder::Build() const {
    const Layout layout{version_, variant8a_};
    const bool encryptEntries = key_ && encryptEntries_;
    const bool encryptIndex = key_ && encryptIndex_;
    const bool counterMode = key_ && counterMode_;
    // Stores the real SHA-1 of an index range where the engine would check it.
    const bool hashes = key_ || version_ >= 12;
    auto encrypt = [&](std::string bytes, const std::string& iv) {
        return counterMode ? ApplyCtr(*key_, iv, std::move(bytes)) : EncryptEcb(*key_, std::move(bytes));
    };
    auto hashOf = [&](const std::string& bytes) {
        if (!hashes) return std::string(20, '\0');
        const Sha1Digest digest = Sha1(bytes.data(), bytes.size());
        return std::string(digest.begin(), digest.end());
    };

    ByteWriter out;
    std::vector<Placed> placed;
    std::vector<int32_t> methods;
    std::vector<std::string> ivs;
    for (std::size_t e = 0; e < entries_.size(); ++e) {
        const auto& entry = entries_[e];
        Placed p;
        p.offset = static_cast<int64_t>(out.Size());
        p.inflated = static_cast<int64_t>(entry.data.size());
        const int32_t method = layout.Method(entry, methodNames_);
        methods.push_back(method);
        ivs.push_back(counterMode && encryptEntries ? MakeIv('E', e) : "");
        // Every entry with the builder's key, or one marked so with its cipher.
        p.encrypted = encryptEntries || (entry.encrypted && cipher_);
        // Encrypted blocks are padded to whole cipher blocks and follow one
        // another at those distances; the record keeps their real lengths.
        std::string data;
        int64_t header = 0;
        if (entry.compressed) {
            const auto blocks = BlocksOf(entry);
            header = layout.HeaderSize(entry, blocks.size());
            int64_t at = p.offset + header;
            for (const auto& block : blocks) {
                p.blocks.emplace_back(at, at + static_cast<int64_t>(block.size()));
                data += p.encrypted ? Padded16(block) : block;
                at = p.offset + header + static_cast<int64_t>(data.size());
            }
            p.size = static_cast<int64_t>(data.size());
        } else {
            header = layout.HeaderSize(entry, 0);
            p.size = p.inflated;
            data = p.encrypted ? Padded16(entry.data) : entry.data;
        }
        // data holds the plain bytes, padded where they are encrypted.
        std::string stored = data;
        if (encryptEntries)
            stored = encrypt(data, ivs.back());
        else if (p.encrypted)
            stored = cipher_(data);
        if (hash_) p.hash = hash_((hashPlain_ ? data : stored).substr(0, static_cast<std::size_t>(p.size)));
        layout.WriteRecord(out, entry, p, 0, p.size, method);
        out.Bytes(stored);
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
    const std::string indexIv = MakeIv('I', 0), directoryIv = MakeIv('D', 0);
    if (version_ >= 10) {
        // Encoded entries in a blob, the others as records, and the names in
        // a directory index placed right after the primary index.
        ByteWriter blob, records, recordIvs;
        std::vector<int32_t> locations;
        int32_t recordCount = 0;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const auto& entry = entries_[i];
            if (entry.nonEncoded) {
                layout.WriteRecord(records, entry, placed[i], placed[i].offset, placed[i].size, methods[i]);
                if (counterMode) recordIvs.Bytes(encryptEntries ? ivs[i] : std::string(12, '\0'));
                locations.push_back(-(++recordCount));
                continue;
            }
            EncodedFields fields;
            fields.offset = static_cast<uint64_t>(placed[i].offset);
            fields.uncompressedSize = static_cast<uint64_t>(placed[i].inflated);
            fields.size = static_cast<uint64_t>(placed[i].size);
            fields.method = static_cast<uint32_t>(methods[i]);
            fields.encrypted = placed[i].encrypted;
            fields.iv = ivs[i];
            fields.blockSize = entry.compressed ? static_cast<uint32_t>(entry.blockSize) : 0;
            for (const auto& [start, end] : placed[i].blocks) fields.blockLengths.push_back(static_cast<uint32_t>(end - start));
            locations.push_back(static_cast<int32_t>(blob.Size()));
            blob.Bytes(EncodeEntry(fields));
        }
        // Directories in order of first appearance (sorted when flat), files
        // in index order.
        std::vector<std::pair<std::string, std::vector<std::size_t>>> folders;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const std::string name = version_ >= 12 ? Utf8Of(entries_[i]) : entries_[i].name;
            const std::size_t slash = name.rfind('/');
            const std::string folder = slash == std::string::npos ? "/" : name.substr(0, slash + 1);
            auto it = std::find_if(folders.begin(), folders.end(), [&](const auto& f) { return f.first == folder; });
            if (it == folders.end()) it = folders.insert(folders.end(), {folder, {}});
            it->second.push_back(i);
        }
        if (flatInterval_) {
            std::map<std::string, std::vector<std::pair<std::string, int32_t>>> sorted;
            for (const auto& [folder, files] : folders)
                for (const std::size_t i : files) {
                    const std::string name = Utf8Of(entries_[i]);
                    sorted[folder].emplace_back(name.substr(name.rfind('/') + 1), locations[i]);
                }
            directoryIndex = FlatDirectories(sorted, *flatInterval_);
        } else {
            ByteWriter dirs;
            dirs.Int32(static_cast<int32_t>(folders.size()));
            for (const auto& [folder, files] : folders) {
                dirs.Name(folder).Int32(static_cast<int32_t>(files.size()));
                for (const std::size_t i : files) {
                    const auto& entry = entries_[i];
                    if (version_ >= 12) {
                        // UTF-8, counted in bytes, with no terminator.
                        const std::string name = Utf8Of(entry);
                        const std::string file = name.substr(name.rfind('/') + 1);
                        dirs.Int32(static_cast<int32_t>(file.size())).Bytes(file);
                    } else if (entry.wideName) {
                        dirs.WideName(entry.wideName->substr(entry.wideName->rfind(u'/') + 1));
                    } else {
                        dirs.Name(entry.name.substr(entry.name.rfind('/') + 1));
                    }
                    dirs.Int32(locations[i]);
                }
            }
            directoryIndex = dirs.Str();
        }
        if (encryptIndex) directoryIndex = Padded16(directoryIndex);
        const std::string directoryHash = hashOf(directoryIndex);
        if (encryptIndex) directoryIndex = encrypt(directoryIndex, directoryIv);
        index.Int64(0x1234).Int32(0);  // seed, no path-hash index
        int64_t primarySize = static_cast<int64_t>(index.Size()) + 4 + 8 + 8 + 20 + 4 +
                              static_cast<int64_t>(blob.Size()) + 4 + static_cast<int64_t>(records.Size()) +
                              static_cast<int64_t>(recordIvs.Size());
        if (encryptIndex) primarySize = Align16(primarySize);
        index.Int32(1).Int64(indexOffset + primarySize).Int64(static_cast<int64_t>(directoryIndex.size()));
        index.Bytes(directoryHash);
        index.Int32(static_cast<int32_t>(blob.Size())).Bytes(blob.Str()).Int32(recordCount).Bytes(records.Str());
        index.Bytes(recordIvs.Str());
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
    std::string primary = encryptIndex ? Padded16(index.Str()) : index.Str();
    const std::string primaryHash = hashOf(primary);
    if (encryptIndex) primary = encrypt(primary, indexIv);
    out.Bytes(primary);
    out.Bytes(directoryIndex);
    // Footer: key GUID (7+), encrypted-index byte (4+), magic, version, index
    // offset, index size, index hash, frozen byte (9), method names (8+),
    // pakchunk index (14+), encryption method and three IVs (15+).
    if (version_ >= 7) out.Zeros(16);
    if (version_ >= 4) out.Bytes(std::string(1, encryptIndex ? '\x01' : '\0'));
    out.Int32(0x5A6F12E1).Int32(version_).Int64(indexOffset).Int64(static_cast<int64_t>(primary.size()));
    out.Bytes(primaryHash);
    if (version_ == 9) out.Zeros(1);
    if (version_ >= 8) {
        const std::size_t slots = variant8a_ ? 4 : 5;
        for (std::size_t i = 0; i < slots; ++i) {
            std::string slot = i < methodNames_.size() ? methodNames_[i] : "";
            slot.resize(32, '\0');
            out.Bytes(slot);
        }
    }
    if (version_ >= 14) out.Int32(pakchunkIndex_);
    if (version_ >= 15) {
        out.Bytes(std::string(1, counterMode ? '\x02' : '\x01'));
        if (counterMode)
            out.Bytes(indexIv).Bytes(MakeIv('P', 0)).Bytes(directoryIv);
        else
            out.Zeros(36);
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
