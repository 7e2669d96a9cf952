#pragma once
// Reads one entry's file bytes: finds its data behind the data header, takes
// the stored bytes or inflates its blocks, decrypting where the entry is
// encrypted. Every range is checked against the file before it is read.
//
// An entry is read as a plan of pieces (compressed blocks, or chunks of
// stored data), each read from the file in order and then turned into file
// bytes on its own, so that the turning can run on other threads.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "BlockInflater.h"
#include "EntrySink.h"
#include "PakEntry.h"
#include "PakFooter.h"
#include "base/Stream.h"

namespace pakmole {

class PakDecryptor;
class OodleLibrary;

// The game's Oodle library for Oodle entries, or why there is none (the
// reason such entries fail with).
struct OodleSource {
    const OodleLibrary* library = nullptr;
    std::string unavailable;
};

// Where an entry's data lies: absolute positions.
struct EntryData {
    bool stored = true;
    int64_t dataStart = 0;
    std::vector<PakBlock> blocks;
};

// Versions 3 and 4 read the data header's block count and table (absolute);
// later versions take the record's blocks, counted from the entry's offset.
EntryData LocateEntryData(TStream& pak, const PakFooter& footer, const PakEntry& entry);

// One piece of an entry's data as it lies in the file.
struct DataPiece {
    int32_t number = 0;      // the block's, counting from 1 (compressed entries)
    int64_t at = 0;
    int64_t length = 0;      // bytes that count (unpadded)
    int64_t readLength = 0;  // bytes to read (padded to 16 when encrypted)
    int64_t rawLength = 0;   // an Oodle block: the bytes it decodes to
};

struct EntryPlan {
    std::vector<DataPiece> pieces;
    std::optional<BlockFormat> format;  // none: stored, or Oodle
    const OodleLibrary* oodle = nullptr;  // Oodle blocks, decoded by the game's library
    bool encrypted = false;
    // How the pieces are encrypted: counter mode counts 16-byte blocks from
    // dataStart with the entry's IV.
    PakEncryption encryption = PakEncryption::AesEcb;
    AesCtrIv iv{};
    int64_t dataStart = 0;
    std::string name;          // as people read it, for messages
    int64_t expectedSize = 0;  // a hint for buffers
    int64_t limit = 0;         // no more bytes than this may come out
};

// Raises when an encrypted entry comes without a key.
void RequireKeyFor(const PakEntry& entry, bool haveKey);

// Raises when the entry cannot be read: encrypted without a key, a codec
// Pakmole lacks, data or blocks outside the file, rows that overlap.
// Oodle entries need oodle's library.
EntryPlan PlanEntry(TStream& pak, const PakFooter& footer, const PakEntry& entry, bool haveKey,
                    const OodleSource* oodle = nullptr);

// Reads a piece's bytes from the file (exactly readLength of them), in
// place of what into held, or after what onto holds.
void ReadPiece(TStream& pak, const DataPiece& piece, ByteBuffer& into);
void ReadPieceOnto(TStream& pak, const DataPiece& piece, ByteBuffer& onto);

// Turns a piece's bytes into file bytes, appended to output: decrypted,
// trimmed and, for a compressed entry, inflated (at most room bytes). A block
// that zlib refuses raises "block N of <name> does not inflate: ...".
void FinishPiece(const EntryPlan& plan, const DataPiece& piece, TMemoryStream& bytes, const PakDecryptor* key,
                 BlockInflater& inflater, int64_t room, TMemoryStream& output);

class EntryReader {
public:
    // afterBlock runs after every block (the window handles its messages).
    EntryReader(TStream& pak, const PakFooter& footer, BlockInflater& inflater, const PakDecryptor* key,
                std::function<void()> afterBlock)
        : pak_(pak), footer_(footer), inflater_(inflater), key_(key), afterBlock_(std::move(afterBlock)) {}

    // Hands the entry's bytes to output as they come; raises on any
    // failure. Check(entry) alone runs the checks that need no data
    // (encryption without a key).
    void Read(const PakEntry& entry, EntrySink& output);
    void Check(const PakEntry& entry) const;
    // Where Oodle entries get their library from (none: they fail).
    void SetOodle(const OodleSource* oodle) { oodle_ = oodle; }

private:
    TStream& pak_;
    const PakFooter& footer_;
    BlockInflater& inflater_;
    const PakDecryptor* key_;
    std::function<void()> afterBlock_;
    const OodleSource* oodle_ = nullptr;
    TMemoryStream piece_;     // one piece's bytes as read, reused
    TMemoryStream finished_;  // and as they go to the file
};

}  // namespace pakmole
