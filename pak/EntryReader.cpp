#include "EntryReader.h"

#include <algorithm>
#include <new>

#include "PakCompression.h"
#include "base/Aes256Ecb.h"
#include "base/Exceptions.h"

namespace pakmole {
namespace {

// Deflate never inflates one byte to more than about 1032.
constexpr int64_t kMaxInflateRatio = 1032;
// The oldest layout: the block count sits behind the fixed part of the data
// header, stored data one byte further.
constexpr int64_t kOldHeaderFixed = 48;
// Stored data goes through in pieces of this size (a multiple of 16, for
// encrypted data).
constexpr int64_t kStoredChunk = 1 << 20;

int64_t Align16(int64_t value) { return (value + 15) & ~int64_t{15}; }

Exception BlocksOutsideData() { return Exception("The entry's compression blocks lie outside its data."); }

}  // namespace

EntryData LocateEntryData(TStream& pak, const PakFooter& footer, const PakEntry& entry) {
    EntryData data;
    if (footer.version == 3 || footer.version == 4) {
        if (entry.offset < 0 || entry.offset > pak.Size() - kOldHeaderFixed - 4)
            throw Exception("The entry's data lies outside the file.");
        pak.SetPosition(entry.offset + kOldHeaderFixed);
        const int32_t count = pak.ReadInt32();
        if (count == 0) {
            data.dataStart = entry.offset + kOldHeaderFixed + 5;
            return data;
        }
        data.stored = false;
        if (count > 0) {
            if (static_cast<int64_t>(count) * 16 > pak.Remaining())
                throw Exception("The entry's block table runs past the end of the file.");
            data.blocks.resize(static_cast<std::size_t>(count));
            for (auto& block : data.blocks) {
                block.start = pak.ReadInt64();
                block.end = pak.ReadInt64();
            }
        }
        data.dataStart = pak.Position();
        return data;
    }
    if (entry.offset < 0 || entry.headerSize > pak.Size() || entry.offset > pak.Size() - entry.headerSize)
        throw Exception("The entry's data lies outside the file.");
    data.dataStart = entry.offset + entry.headerSize;
    data.stored = entry.method == 0;
    if (footer.version < 3 && !data.stored)
        throw Exception("The entry is compressed, which paks of version " + std::to_string(footer.version) +
                        " cannot describe.");
    for (const auto& block : entry.blocks) {
        // Counted from the entry; bounds beyond the file fail when read.
        if (block.start > INT64_MAX - entry.offset || block.end > INT64_MAX - entry.offset) throw BlocksOutsideData();
        data.blocks.push_back({entry.offset + block.start, entry.offset + block.end});
    }
    return data;
}

void EntryReader::Check(const PakEntry& entry) const {
    if (entry.encrypted && !key_) throw Exception("the entry is encrypted; a key is needed");
}

void EntryReader::Read(const PakEntry& entry, EntrySink& output) {
    Check(entry);
    const EntryData data = LocateEntryData(pak_, footer_, entry);
    if (data.stored)
        ReadStored(entry, data, output);
    else
        InflateBlocks(entry, data, output);
}

void EntryReader::ReadExactly(int64_t at, int64_t count, std::vector<unsigned char>& into) {
    if (at < 0 || count < 0 || at > pak_.Size() || count > pak_.Size() - at) throw StreamReadError();
    if (static_cast<uint64_t>(count) > into.max_size()) throw std::bad_alloc();
    into.resize(static_cast<std::size_t>(count));
    pak_.SetPosition(at);
    pak_.ReadBuffer(into.data(), into.size());
}

void EntryReader::ReadStored(const PakEntry& entry, const EntryData& data, EntrySink& output) {
    if (entry.size <= 0) return;
    // Encrypted data is padded to whole cipher blocks.
    const int64_t stored = entry.encrypted ? Align16(entry.size) : entry.size;
    if (data.dataStart > pak_.Size() || stored > pak_.Size() - data.dataStart) throw StreamReadError();
    output.Expect(entry.size);
    auto& chunk = block_.MutableBytes();
    for (int64_t done = 0; done < stored;) {
        const int64_t piece = std::min<int64_t>(stored - done, kStoredChunk);
        ReadExactly(data.dataStart + done, piece, chunk);
        if (entry.encrypted) key_->Decrypt(chunk.data(), chunk.size());
        const int64_t keep = std::min<int64_t>(piece, entry.size - done);
        output.Write(chunk.data(), static_cast<std::size_t>(keep));
        done += piece;
    }
}

void EntryReader::InflateBlocks(const PakEntry& entry, const EntryData& data, EntrySink& output) {
    const CompressionMethod method = MethodOf(footer_, entry);
    if (!method.format) throw Exception(CannotInflate(method));
    // Blocks follow one another behind the header. One that points in front
    // of the data belongs to another entry (or is counted from somewhere
    // else); rows that overlap or run backwards are damage, and would let a
    // small file inflate one stream many times.
    int64_t floor = data.dataStart;
    int64_t packed = 0;
    for (const auto& block : data.blocks) {
        if (block.end < block.start) throw Exception("The entry's compression blocks overlap or run backwards.");
        if (block.end == block.start) continue;
        if (block.start < data.dataStart) throw BlocksOutsideData();
        if (block.start < floor) throw Exception("The entry's compression blocks overlap or run backwards.");
        const int64_t length = block.end - block.start;
        floor = block.start + (entry.encrypted ? Align16(length) : length);
        packed += length;
    }
    // The recorded size is a hint for the buffer only; the data decides.
    if (packed <= pak_.Size()) output.Expect(std::min(entry.uncompressedSize, packed * kMaxInflateRatio));
    for (const auto& block : data.blocks) {
        block_.Clear();
        // A block that ends where it starts carries no data.
        if (block.end > block.start) {
            const int64_t length = block.end - block.start;
            auto& bytes = block_.MutableBytes();
            ReadExactly(block.start, entry.encrypted ? Align16(length) : length, bytes);
            if (entry.encrypted) {
                key_->Decrypt(bytes.data(), bytes.size());
                bytes.resize(static_cast<std::size_t>(length));
            }
        }
        inflated_.Clear();
        inflater_.InflateBlock(block_, inflated_, *method.format, entry.uncompressedSize - output.Written());
        output.Write(inflated_.Memory(), static_cast<std::size_t>(inflated_.Size()));
        if (afterBlock_) afterBlock_();
    }
}

}  // namespace pakmole
