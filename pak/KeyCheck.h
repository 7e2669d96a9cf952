#pragma once
// Whether a key really opens a pak, found before anything is written. Under
// a plain index a wrong key reads as well as the right one and gives
// garbage, and the recorded SHA-1 covers the encrypted bytes, so only what
// the decrypted data must look like can tell: a compressed block starts a
// zlib (or gzip) stream, and a package (.uasset, .umap) starts with the
// package file tag.
#include "PakIndex.h"
#include "base/Stream.h"

namespace pakmole {

class PakDecryptor;

enum class KeyCheck {
    NotNeeded,      // nothing in the pak is encrypted
    Opens,          // the encrypted index opened, or the entries looked right
    DoesNotOpen,    // the entries looked wrong
    CouldNotCheck,  // encrypted entries, but none that allows a check
};

// What is said when a key opens no encrypted index and no entry allows a check.
extern const char kKeyNotChecked[];

// Reads a few bytes of up to a few dozen encrypted entries; never raises for
// an entry that cannot be read (its own extraction says why).
KeyCheck CheckKey(TStream& pak, const PakIndex& index, const PakDecryptor& key);

}  // namespace pakmole
