#include "KeyCheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "EntryReader.h"
#include "PakDecryptor.h"

namespace pakmole {

const char kKeyNotChecked[] = "the key could not be checked";

namespace {

// Enough entries to outvote a damaged one or two; each costs one 16-byte read.
constexpr int kEntriesToCheck = 24;
// The package file tag, little-endian, at the start of every .uasset and .umap.
constexpr std::array<uint8_t, 4> kPackageTag = {0xC1, 0x83, 0x2A, 0x9E};

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char wanted, char c) { return std::tolower(static_cast<unsigned char>(c)) == wanted; });
}

bool IsPackage(const PakEntry& entry) { return EndsWithNoCase(entry.name, ".uasset") || EndsWithNoCase(entry.name, ".umap"); }

// A zlib header: deflate with a window of at most 32 KiB, no preset
// dictionary, and the check bits that make the pair a multiple of 31.
bool StartsZlib(const uint8_t* b) {
    return (b[0] & 0x0F) == 8 && (b[0] >> 4) <= 7 && (b[1] & 0x20) == 0 && ((b[0] << 8) | b[1]) % 31 == 0;
}

bool StartsGzip(const uint8_t* b) { return b[0] == 0x1F && b[1] == 0x8B && b[2] == 8; }

enum class Look { Unchecked, Right, Wrong };

// The first cipher block of the entry's first piece that holds data, decrypted.
Look LookAt(TStream& pak, const PakFooter& footer, const PakEntry& entry, const PakDecryptor& key) {
    const bool package = IsPackage(entry);
    try {
        // Without a library an Oodle entry is refused here; with one, its
        // blocks start with nothing known.
        const EntryPlan plan = PlanEntry(pak, footer, entry, true);
        if (plan.oodle || (!plan.format && !package)) return Look::Unchecked;
        for (const DataPiece& piece : plan.pieces) {
            if (piece.length == 0) continue;
            // A piece shorter than what is looked at proves nothing.
            if (piece.length < (plan.format ? 2 : 4) || piece.readLength < 16) return Look::Unchecked;
            std::array<uint8_t, 16> first{};
            pak.SetPosition(piece.at);
            pak.ReadBuffer(first.data(), first.size());
            // Counter mode counts the piece's blocks from the start of the entry's data.
            key.Decrypt(plan.encryption, plan.iv, static_cast<uint64_t>(piece.at - plan.dataStart) / 16, first.data(),
                        first.size());
            bool right = false;
            if (plan.format == BlockFormat::Zlib)
                right = StartsZlib(first.data());
            else if (plan.format == BlockFormat::Gzip)
                right = StartsGzip(first.data());
            else
                right = std::equal(kPackageTag.begin(), kPackageTag.end(), first.begin());
            return right ? Look::Right : Look::Wrong;
        }
    } catch (const std::exception&) {
        // Damage or a codec Pakmole lacks: the entry fails on its own later.
    }
    return Look::Unchecked;
}

}  // namespace

KeyCheck CheckKey(TStream& pak, const PakIndex& index, const PakDecryptor& key) {
    // A wrong key does not get through an encrypted index: its hash or its
    // records would not hold.
    if (index.footer.indexEncrypted) return KeyCheck::Opens;
    bool encrypted = false;
    int right = 0, wrong = 0;
    for (const PakEntry& entry : index.entries) {
        if (right + wrong == kEntriesToCheck) break;
        if (entry.deleted || !entry.encrypted) continue;
        encrypted = true;
        switch (LookAt(pak, index.footer, entry, key)) {
            case Look::Right: ++right; break;
            case Look::Wrong: ++wrong; break;
            case Look::Unchecked: break;
        }
    }
    if (!encrypted) return KeyCheck::NotNeeded;
    if (right + wrong == 0) return KeyCheck::CouldNotCheck;
    // A wrong key passes the zlib test about once in a thousand blocks; the
    // right one fails it only on a damaged block.
    return wrong > right ? KeyCheck::DoesNotOpen : KeyCheck::Opens;
}

}  // namespace pakmole
