#include "PakIndexEncoded.h"

#include <climits>

#include "PakDirectoryIndex.h"
#include "PakFormatError.h"
#include "PakRecord.h"
#include "PakString.h"

namespace pakmole {
namespace {

struct IndexRange {
    bool present = false;
    int64_t offset = 0;
    int64_t size = 0;
    std::array<uint8_t, 20> hash{};
};

IndexRange ReadRange(ByteCursor& in) {
    IndexRange range;
    range.present = in.U32() != 0;
    if (range.present) {
        range.offset = in.I64();
        range.size = in.I64();
        in.Bytes(range.hash.data(), range.hash.size());
    }
    return range;
}

uint64_t ReadSized(ByteCursor& in, bool narrow) { return narrow ? in.U32() : in.U64(); }

}  // namespace

PakEntry DecodeEntry(ByteCursor& blob, bool withIvs) {
    const uint32_t bits = blob.U32();
    PakEntry entry;
    entry.method = static_cast<int32_t>((bits >> 23) & 0x3F);
    entry.encrypted = (bits & (1u << 22)) != 0;
    const uint32_t blockCount = (bits >> 6) & 0xFFFF;
    const uint32_t sizeCode = bits & 0x3F;
    uint32_t blockSize = sizeCode == 0x3F ? blob.U32() : sizeCode * 2048u;
    entry.offset = static_cast<int64_t>(ReadSized(blob, (bits & (1u << 31)) != 0));
    entry.uncompressedSize = static_cast<int64_t>(ReadSized(blob, (bits & (1u << 30)) != 0));
    if (withIvs && entry.encrypted) {
        blob.Bytes(entry.iv.data(), entry.iv.size());
        entry.hasIv = true;
    }
    if (entry.method != 0)
        entry.size = static_cast<int64_t>(ReadSized(blob, (bits & (1u << 29)) != 0));
    else
        entry.size = entry.uncompressedSize;
    if (entry.offset < 0 || entry.size < 0 || entry.uncompressedSize < 0)
        blob.Damaged("an encoded entry has a size beyond 2^63");
    // The data header in front of the data is a full record of this version.
    const bool compressed = entry.method != 0;
    entry.headerSize = 53 + (compressed ? 4 + 16 * static_cast<int64_t>(blockCount) : 0);
    if (compressed) {
        entry.blocks.resize(blockCount);
        if (blockCount == 1 && !entry.encrypted) {
            entry.blocks[0] = {entry.headerSize, entry.headerSize + entry.size};
        } else {
            int64_t cursor = entry.headerSize;
            for (auto& block : entry.blocks) {
                const int64_t length = blob.U32();
                block = {cursor, cursor + length};
                cursor += StoredLength(entry, length);
            }
        }
    }
    // A single block is as large as the file, whatever the code says.
    if (blockCount == 1) blockSize = static_cast<uint32_t>(std::min<int64_t>(entry.uncompressedSize, UINT32_MAX));
    entry.blockSize = blockCount == 0 ? 0 : blockSize;
    return entry;
}

void ParseEncodedIndex(TStream& pak, ByteCursor& in, PakIndex& index, const PakDecryptor* key) {
    const PakFooter& footer = index.footer;
    const bool withIvs = footer.encryption == PakEncryption::AesCtr;
    index.declaredCount = in.U32();
    in.Skip(8);  // path hash seed: only needed to look files up by hash
    const IndexRange pathHashIndex = ReadRange(in);
    (void)pathHashIndex;
    const IndexRange directoryIndex = ReadRange(in);
    const uint32_t blobSize = in.U32();
    in.Need(blobSize, "the encoded entries");
    const std::size_t blobStart = in.Position();
    in.Skip(blobSize);
    const uint32_t recordCount = in.U32();
    const uint64_t perRecord = static_cast<uint64_t>(SmallestRecord(footer)) + (withIvs ? 12 : 0);
    if (recordCount > in.Remaining() / perRecord)
        in.Damaged("its record count (" + std::to_string(recordCount) + ") cannot fit in it");
    std::vector<PakEntry> records(recordCount);
    for (auto& record : records) record = ReadEntryRecord(in, footer);
    // In counter mode one IV per record follows them, in their order.
    if (withIvs)
        for (auto& record : records) {
            in.Bytes(record.iv.data(), record.iv.size());
            record.hasIv = true;
        }

    if (!directoryIndex.present)
        throw EPakFormatError("The pak has no directory index, so the names of its files cannot be read.");
    // Nothing may lie over the footer; the index range check covers the file.
    if (directoryIndex.offset > footer.FooterStart(pak.Size()))
        throw EPakFormatError("The pak index is damaged: the directory index lies outside the file.");
    const std::vector<unsigned char> directories = ReadIndexRange(
        pak, directoryIndex.offset, directoryIndex.size, directoryIndex.hash, footer, footer.directoryIndexIv, key,
        nullptr);

    ByteCursor dirs(directories.data(), directories.size(), "the directory index");
    ByteCursor blob(in.Data() + blobStart, blobSize, "the encoded entries");
    DirectoryIndex named = ReadDirectoryIndex(dirs, footer.version);
    index.flatDirectoryIndex = named.flat;
    for (IndexedFile& file : named.files) {
        const int32_t location = file.location;
        // Delete records and the invalid marker have no entry.
        if (location == INT32_MIN || location == INT32_MAX) continue;
        PakEntry entry;
        if (location >= 0) {
            blob.Seek(static_cast<std::size_t>(location));
            entry = DecodeEntry(blob, withIvs);
        } else {
            const auto at = static_cast<std::size_t>(-static_cast<int64_t>(location) - 1);
            if (at >= records.size()) dirs.Damaged("a location points past the records");
            entry = records[at];
        }
        entry.name = std::move(file.path.narrow);
        if (file.path.isWide) {
            entry.hasWideName = true;
            entry.wideName = std::move(file.path.wide);
        }
        ToBackslashes(entry.name);
        ToBackslashes(entry.wideName);
        index.entries.push_back(std::move(entry));
    }
}

}  // namespace pakmole
