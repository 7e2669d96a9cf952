#include "PakIndex.h"

#include <algorithm>

#include "ByteCursor.h"
#include "PakFormatError.h"
#include "PakIndexEncoded.h"
#include "PakRecord.h"
#include "PakString.h"
#include "PakDecryptor.h"
#include "base/Sha1.h"

namespace pakmole {
namespace {

bool AllZero(const std::array<uint8_t, 20>& hash) {
    return std::all_of(hash.begin(), hash.end(), [](uint8_t b) { return b == 0; });
}

// Versions 1 to 9: mount point, entry count, then name and record per entry.
void ParseFlatIndex(ByteCursor& in, PakIndex& index) {
    const bool oldNames = index.footer.version <= 4;
    const int32_t count = in.I32();
    index.declaredCount = count;
    const int64_t smallest = 4 + 1 + SmallestRecord(index.footer);
    if (count > 0 && count > static_cast<int64_t>(in.Remaining()) / smallest)
        in.Damaged("its entry count (" + std::to_string(count) + ") cannot fit in it");
    for (int32_t n = 0; n < count; ++n) {
        try {
            PakString name = ReadPakString(in, oldNames);
            PakEntry entry = ReadEntryRecord(in, index.footer);
            entry.name = std::move(name.narrow);
            entry.wideName = std::move(name.wide);
            entry.hasWideName = name.isWide;
            ToBackslashes(entry.name);
            ToBackslashes(entry.wideName);
            index.entries.push_back(std::move(entry));
        } catch (const EPakFormatError& e) {
            index.damage = std::string(e.what()) + " Entry " + std::to_string(n + 1) + " is the first unreadable one.";
            return;
        }
    }
}

}  // namespace

std::vector<unsigned char> ReadIndexRange(TStream& pak, int64_t offset, int64_t size,
                                          const std::array<uint8_t, 20>& hash, const PakFooter& footer,
                                          const AesCtrIv& iv, const PakDecryptor* key, IndexHashCheck* check) {
    const bool encrypted = footer.indexEncrypted;
    if (offset < 0 || size < 0 || offset > pak.Size() || size > pak.Size() - offset)
        throw EPakFormatError("The pak index is damaged: it lies outside the file.");
    if (encrypted && !key) throw EPakKeyError(EPakKeyError::Kind::Missing);
    if (encrypted && size % 16 != 0)
        throw EPakFormatError("The pak index is damaged: its encrypted size is not a multiple of 16.");
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    pak.SetPosition(offset);
    pak.ReadBuffer(bytes.data(), bytes.size());
    if (encrypted) key->Decrypt(footer.encryption, iv, 0, bytes.data(), bytes.size());
    IndexHashCheck result = IndexHashCheck::NotStored;
    if (!AllZero(hash)) {
        const Sha1Digest digest = Sha1(bytes.data(), bytes.size());
        result = std::equal(digest.begin(), digest.end(), hash.begin()) ? IndexHashCheck::Matches
                                                                         : IndexHashCheck::Differs;
    }
    // Only a key can make an index unreadable while the file is sound; a
    // plain index whose hash differs is still read, and said by "info".
    if (encrypted && result == IndexHashCheck::Differs) throw EPakKeyError(EPakKeyError::Kind::Wrong);
    if (check) *check = result;
    return bytes;
}

PakIndex ReadPakIndex(TStream& pak, const std::string& displayName, const PakDecryptor* key) {
    PakIndex index;
    index.footer = ReadPakFooter(pak, displayName);
    const PakFooter& footer = index.footer;
    const std::vector<unsigned char> bytes = ReadIndexRange(pak, footer.indexOffset, footer.indexSize,
                                                            footer.indexHash, footer, footer.indexIv, key,
                                                            &index.hashCheck);
    ByteCursor in(bytes.data(), bytes.size(), "the pak index");
    try {
        const PakString mount = ReadPakString(in, false);
        index.mountPoint = mount.narrow;
    } catch (const EPakFormatError&) {
        // Without a stored hash, a wrong key shows first as a mount point
        // of absurd length.
        if (footer.indexEncrypted) throw EPakKeyError(EPakKeyError::Kind::Wrong);
        throw;
    }
    ToBackslashes(index.mountPoint);
    if (footer.version >= 10)
        ParseEncodedIndex(pak, in, index, key);
    else
        ParseFlatIndex(in, index);
    return index;
}

}  // namespace pakmole
