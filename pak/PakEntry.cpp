#include "PakEntry.h"

#include "base/Utf8.h"
#include "pak/PakString.h"

namespace pakmole {

std::string ReadableName(const PakEntry& entry) {
    std::string name = entry.hasWideName ? Utf16ToUtf8(entry.wideName) : Latin1ToUtf8(entry.name);
    ToBackslashes(name);
    return name;
}

}  // namespace pakmole
