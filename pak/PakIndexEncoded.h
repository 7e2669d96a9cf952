#pragma once
// The index of versions 10 and later: encoded entries in a blob, records
// that did not fit the encoding, and the full directory index that names them.
#include "ByteCursor.h"
#include "PakIndex.h"

namespace pakmole {

// Parses the primary index after its mount point, reads the directory index
// it points to, and fills index.entries in directory order.
void ParseEncodedIndex(TStream& pak, ByteCursor& in, PakIndex& index, const PakDecryptor* key);

// One encoded entry at the cursor's position. withIvs: the pak encrypts in
// counter mode, and an encrypted entry carries its IV.
PakEntry DecodeEntry(ByteCursor& blob, bool withIvs = false);

}  // namespace pakmole
