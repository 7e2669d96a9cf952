#pragma once
// Reads one entry's file bytes: finds its data behind the data header, takes
// the stored bytes or inflates its blocks, decrypting where the entry is
// encrypted. Every range is checked against the file before it is read.
#include <functional>
#include <vector>

#include "BlockInflater.h"
#include "EntrySink.h"
#include "PakEntry.h"
#include "PakFooter.h"
#include "base/Stream.h"

namespace pakmole {

class Aes256EcbDecryptor;

// Where an entry's data lies: absolute positions.
struct EntryData {
    bool stored = true;
    int64_t dataStart = 0;
    std::vector<PakBlock> blocks;
};

// Versions 3 and 4 read the data header's block count and table (absolute);
// later versions take the record's blocks, counted from the entry's offset.
EntryData LocateEntryData(TStream& pak, const PakFooter& footer, const PakEntry& entry);

class EntryReader {
public:
    // afterBlock runs after every block (the window handles its messages).
    EntryReader(TStream& pak, const PakFooter& footer, BlockInflater& inflater, const Aes256EcbDecryptor* key,
                std::function<void()> afterBlock)
        : pak_(pak), footer_(footer), inflater_(inflater), key_(key), afterBlock_(std::move(afterBlock)) {}

    // Hands the entry's bytes to output as they come; raises on any
    // failure. Check(entry) alone runs the checks that need no data
    // (encryption without a key).
    void Read(const PakEntry& entry, EntrySink& output);
    void Check(const PakEntry& entry) const;

private:
    void ReadExactly(int64_t at, int64_t count, std::vector<unsigned char>& into);
    void ReadStored(const PakEntry& entry, const EntryData& data, EntrySink& output);
    void InflateBlocks(const PakEntry& entry, const EntryData& data, EntrySink& output);

    TStream& pak_;
    const PakFooter& footer_;
    BlockInflater& inflater_;
    const Aes256EcbDecryptor* key_;
    std::function<void()> afterBlock_;
    TMemoryStream block_;     // one block's compressed bytes, reused
    TMemoryStream inflated_;  // and its inflated bytes
};

}  // namespace pakmole
