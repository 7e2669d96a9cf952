#pragma once
// One entry record in the layout of the pak's version (offset, sizes, method,
// hash, block table, flags, block size), as the index and the data headers
// store it.
#include "ByteCursor.h"
#include "PakEntry.h"
#include "PakFooter.h"

namespace pakmole {

PakEntry ReadEntryRecord(ByteCursor& in, const PakFooter& footer);

// The smallest record of the version (a stored entry), for bounding counts.
int64_t SmallestRecord(const PakFooter& footer);

// Bytes of a record of the version with blockCount blocks (0: stored).
int64_t RecordSize(const PakFooter& footer, bool compressed, uint64_t blockCount);

}  // namespace pakmole
