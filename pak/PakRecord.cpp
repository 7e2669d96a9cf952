#include "PakRecord.h"

namespace pakmole {
namespace {
bool HasBlockTable(const PakFooter& footer, int32_t method) {
    if (footer.version < 3) return false;
    // Up to version 7 the method is a signed bit set and only a positive one
    // has a table; from 8 on it is a slot number and any but 0 has one.
    return footer.version >= 8 ? method != 0 : method > 0;
}
}  // namespace

int64_t RecordSize(const PakFooter& footer, bool compressed, uint64_t blockCount) {
    const int64_t methodBytes = footer.variant8a ? 1 : 4;
    int64_t size = 8 + 8 + 8 + methodBytes + 20;
    if (footer.version == 1) size += 8;  // timestamp
    if (footer.version >= 3) {
        if (compressed) size += 4 + 16 * static_cast<int64_t>(blockCount);
        size += 1 + 4;
    }
    return size;
}

int64_t SmallestRecord(const PakFooter& footer) { return RecordSize(footer, false, 0); }

PakEntry ReadEntryRecord(ByteCursor& in, const PakFooter& footer) {
    PakEntry entry;
    entry.offset = in.I64();
    entry.size = in.I64();
    entry.uncompressedSize = in.I64();
    entry.method = footer.variant8a ? in.U8() : in.I32();
    if (footer.version == 1) in.Skip(8);  // timestamp
    in.Bytes(entry.sha1.data(), entry.sha1.size());
    entry.hasSha1 = true;
    const bool compressed = HasBlockTable(footer, entry.method);
    uint32_t blockCount = 0;
    if (compressed) {
        blockCount = in.U32();
        in.Need(16ull * blockCount, "a block table");
        entry.blocks.resize(blockCount);
        for (auto& block : entry.blocks) {
            block.start = in.I64();
            block.end = in.I64();
        }
    }
    if (footer.version >= 3) {
        const uint8_t flags = in.U8();
        entry.encrypted = (flags & 1) != 0;
        entry.deleted = footer.version >= 6 && (flags & 2) != 0;
        entry.blockSize = in.U32();
    }
    // Versions 3 and 4 take the blocks from the data header in front of the
    // data, so its size is worked out there.
    if (footer.version != 3 && footer.version != 4) entry.headerSize = RecordSize(footer, compressed, blockCount);
    return entry;
}

}  // namespace pakmole
