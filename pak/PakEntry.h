#pragma once
// What the index says about one file of a pak, whatever the pak's version.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Aes256Ctr.h"

namespace pakmole {

// One compression block as the record gives it: absolute positions up to
// version 4, counted from the entry's offset from version 5 on.
struct PakBlock {
    int64_t start = 0;
    int64_t end = 0;
};

struct PakEntry {
    // Backslash-separated, relative to the mount point. 16-bit names are
    // narrowed to their low bytes here; wideName keeps their real characters.
    std::string name;
    std::u16string wideName;
    bool hasWideName = false;

    int64_t offset = 0;            // of the entry's data header
    int64_t size = 0;              // bytes stored after the header (unpadded)
    int64_t uncompressedSize = 0;  // of the extracted file
    int32_t method = 0;            // the record's method field, as stored
    bool encrypted = false;
    bool deleted = false;          // a patch pak's delete record: no data
    uint32_t blockSize = 0;
    std::vector<PakBlock> blocks;  // empty for a stored entry
    bool hasSha1 = false;          // encoded entries carry none
    std::array<uint8_t, 20> sha1{};
    // Bytes of the data header in front of the data (from the version's
    // record layout); 0 when the data header itself must be read (3 and 4).
    int64_t headerSize = 0;
    // Version 15 paks encrypted in counter mode: the IV of the entry's data.
    bool hasIv = false;
    AesCtrIv iv{};
};

// Bytes an entry's data of this length takes in the file: encrypted data is
// padded to whole 16-byte cipher blocks.
inline int64_t StoredLength(const PakEntry& entry, int64_t length) {
    return entry.encrypted ? (length + 15) & ~int64_t{15} : length;
}

// The entry's name as people read it, in UTF-8 (8-bit names taken as
// Latin-1), with the host's folder separator: what reports and messages show.
std::string ReadableName(const PakEntry& entry);

}  // namespace pakmole
