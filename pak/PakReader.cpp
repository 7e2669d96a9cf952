#include "PakReader.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "PakFormatError.h"

namespace pakmole {
namespace {

constexpr int64_t kFooterSize = 36;
// The fixed part of an index record after the name: offset, size, zsize,
// compression method and 20 uninterpreted bytes.
constexpr int64_t kFixedFields = 8 + 8 + 8 + 4 + 20;
constexpr int64_t kTrailer = 5;
// The smallest record: length field, one terminator byte, fixed part, trailer.
constexpr int64_t kSmallestRecord = 4 + 1 + kFixedFields + kTrailer;
constexpr int64_t kEntryHeaderSkip = 48;

void ToBackslashes(std::string& text) { std::replace(text.begin(), text.end(), '/', '\\'); }

}  // namespace

void PakReader::Need(int64_t bytes, const char* what) {
    if (bytes < 0 || pak_.Remaining() < bytes)
        throw EPakFormatError("The pak index is damaged: " + std::string(what) + " of entry " +
                              std::to_string(entriesRead_ + 1) + " runs past the end of the file.");
}

PakIndexHead PakReader::ReadIndexHead() {
    const int64_t size = pak_.Size();
    if (size < kFooterSize) throw EPakFormatError("The file is too short to be a pak file.");
    pak_.SetPosition(size - kFooterSize);
    const int64_t indexOffset = pak_.ReadInt64();
    // The index needs at least its mount point length and its entry count.
    if (indexOffset < 0 || indexOffset > size - 8)
        throw EPakFormatError("This is not a pak file: its index offset lies outside the file.");

    pak_.SetPosition(indexOffset);
    const int32_t mountLength = pak_.ReadInt32();
    if (mountLength < 0 || mountLength > size - indexOffset - 8)
        throw EPakFormatError("The pak index is damaged: its mount point runs past the end of the file.");
    PakIndexHead head;
    if (mountLength > 1) {
        head.mountPoint.resize(static_cast<std::size_t>(mountLength - 1));
        pak_.ReadBuffer(head.mountPoint.data(), head.mountPoint.size());
    }
    ToBackslashes(head.mountPoint);
    pak_.SetPosition(indexOffset + 4 + mountLength);
    head.entryCount = pak_.ReadInt32();
    if (head.entryCount > 0 && head.entryCount > pak_.Remaining() / kSmallestRecord)
        throw EPakFormatError("The pak index is damaged: its entry count (" + std::to_string(head.entryCount) +
                              ") cannot fit in the file.");
    return head;
}

PakIndexEntry PakReader::ReadNextEntry() {
    PakIndexEntry entry;
    Need(4, "the name length");
    const int32_t nameLength = pak_.ReadInt32();
    if (nameLength > 0) {
        Need(nameLength, "the name");
        // Characters, then a terminator byte read and dropped unchecked.
        entry.name.resize(static_cast<std::size_t>(nameLength - 1));
        for (auto& c : entry.name) pak_.ReadBuffer(&c, 1);
        pak_.Skip(1);
    } else {
        // 16-bit units, low byte kept. A length of 0 lands here too and still
        // has its 2-byte terminator; the most negative length is held in 64 bits.
        const int64_t units = -static_cast<int64_t>(nameLength);
        Need(2 * std::max<int64_t>(units, 1), "the name");
        if (units > 1) entry.name.resize(static_cast<std::size_t>(units - 1));
        for (auto& c : entry.name) {
            unsigned char pair[2];
            pak_.ReadBuffer(pair, 2);
            c = static_cast<char>(pair[0]);
        }
        pak_.Skip(2);
    }
    Need(kFixedFields, "the record");
    entry.offset = pak_.ReadInt64();
    entry.size = pak_.ReadInt64();
    entry.zsize = pak_.ReadInt64();
    entry.compressionMethod = pak_.ReadInt32();
    pak_.Skip(20);
    if (entry.compressionMethod <= 0) {
        Need(kTrailer, "the record");
        pak_.Skip(kTrailer);
    } else {
        Need(4, "the block count");
        const int32_t blockCount = pak_.ReadInt32();
        // The table is stepped over by a 32-bit signed product, as written.
        const auto tableBytes = static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(blockCount) * 16u));
        const int64_t next = pak_.Position() + tableBytes + kTrailer;
        if (next < 0 || next > pak_.Size())
            throw EPakFormatError("The pak index is damaged: the block table of entry " +
                                  std::to_string(entriesRead_ + 1) + " runs past the end of the file.");
        pak_.SetPosition(next);
    }
    ToBackslashes(entry.name);
    ++entriesRead_;
    return entry;
}

int32_t PakReader::ReadBlockCount(const PakIndexEntry& entry) {
    if (entry.offset < 0 || entry.offset > pak_.Size() - kEntryHeaderSkip - 4)
        throw Exception("The entry's data lies outside the file.");
    pak_.SetPosition(entry.offset + kEntryHeaderSkip);
    return pak_.ReadInt32();
}

std::vector<PakBlock> PakReader::ReadBlockTable(int32_t count) {
    std::vector<PakBlock> blocks;
    if (count <= 0) return blocks;
    if (static_cast<int64_t>(count) * 16 > pak_.Remaining())
        throw Exception("The entry's block table runs past the end of the file.");
    blocks.resize(static_cast<std::size_t>(count));
    for (auto& block : blocks) {
        block.start = pak_.ReadInt64();
        block.end = pak_.ReadInt64();
    }
    return blocks;
}

}  // namespace pakmole
