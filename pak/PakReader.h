#pragma once
// Reads the pak layout in the order the job walks it: footer, index head,
// index entries one after the other, and for extraction the entry data header
// in front of each file's data.
#include <vector>

#include "PakEntry.h"
#include "base/Stream.h"

namespace pakmole {

class PakReader {
public:
    explicit PakReader(TStream& pak) : pak_(pak) {}

    // Footer and index head. Raises EPakFormatError when the file cannot hold
    // them or the entry count cannot fit in the rest of the file.
    PakIndexHead ReadIndexHead();

    // The index record at the current position; leaves the position at the
    // next record. Raises EPakFormatError when the record runs past the end.
    PakIndexEntry ReadNextEntry();

    // Positions at the entry's data header and reads its block count
    // (0: stored, the data follows at offset + 53; otherwise a block table
    // follows at offset + 52). Raises when the header lies outside the file.
    int32_t ReadBlockCount(const PakIndexEntry& entry);

    // The block table at the current position (after ReadBlockCount); a
    // count of 0 or less gives no blocks. Raises when it runs past the end.
    std::vector<PakBlock> ReadBlockTable(int32_t count);

private:
    void Need(int64_t bytes, const char* what);

    TStream& pak_;
    int32_t entriesRead_ = 0;
};

}  // namespace pakmole
