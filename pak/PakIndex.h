#pragma once
// The index of a pak of any version from 1 to 15: mount point and one record
// per file, read whole into memory (decrypted first when the footer says the
// index is encrypted) and parsed with every length checked.
#include <string>
#include <vector>

#include "PakEntry.h"
#include "PakFooter.h"
#include "base/Stream.h"

namespace pakmole {

class PakDecryptor;

enum class IndexHashCheck { NotStored, Matches, Differs };

struct PakIndex {
    PakFooter footer;
    std::string mountPoint;  // backslash-separated, as stored
    int64_t declaredCount = 0;
    std::vector<PakEntry> entries;
    // Set when the walk stopped at a damaged record: the entries before it
    // are in entries, and the job reports this after handling them.
    std::string damage;
    IndexHashCheck hashCheck = IndexHashCheck::NotStored;
    // Version 13 and later: the directory index is the flat, front-coded one.
    bool flatDirectoryIndex = false;
};

// Reads footer and index. key may be null; an encrypted index then raises
// EPakKeyError, as does a key that does not open it. Other damage raises
// EPakFormatError.
PakIndex ReadPakIndex(TStream& pak, const std::string& displayName, const PakDecryptor* key);

// Reads size bytes at offset, decrypts them when the footer says the index
// ranges are encrypted (in counter mode with iv), and checks them against
// the stored SHA-1 (an all-zero hash counts as none). A decrypted range
// whose hash differs means the key is wrong.
std::vector<unsigned char> ReadIndexRange(TStream& pak, int64_t offset, int64_t size,
                                          const std::array<uint8_t, 20>& hash, const PakFooter& footer,
                                          const AesCtrIv& iv, const PakDecryptor* key, IndexHashCheck* check);

}  // namespace pakmole
