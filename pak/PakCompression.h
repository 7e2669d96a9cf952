#pragma once
// Which codec an entry's blocks need, from its method field: a bit set up to
// version 7, a 1-based slot of the footer's method names from version 8 on.
#include <optional>
#include <string>

#include "BlockInflater.h"
#include "PakEntry.h"
#include "PakFooter.h"

namespace pakmole {

struct CompressionMethod {
    std::string name;                  // "Zlib", "Gzip", "Oodle", ...; "" when stored
    std::optional<BlockFormat> format; // none: Pakmole cannot inflate it
};

// The method of a compressed entry. Versions 3 and 4 decide stored or
// compressed by the data header, so a method of 0 there still means zlib.
// Raises Exception when a version 8+ number names no slot.
CompressionMethod MethodOf(const PakFooter& footer, const PakEntry& entry);

// The reason an entry with this method fails: "compressed with Oodle, which
// Pakmole cannot inflate".
std::string CannotInflate(const CompressionMethod& method);

// Whether the method is Oodle, which only the game's own library decodes.
bool IsOodle(const CompressionMethod& method);

}  // namespace pakmole
