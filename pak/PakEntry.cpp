#include "PakEntry.h"

#include <algorithm>

#include "base/FileSystem.h"
#include "base/Utf8.h"
#include "pak/PakString.h"

namespace pakmole {

std::string ReadableName(const PakEntry& entry) {
    std::string name = entry.hasWideName ? Utf16ToUtf8(entry.wideName) : Latin1ToUtf8(entry.name);
    ToBackslashes(name);
    std::replace(name.begin(), name.end(), '\\', kFolderDelimiters.front());
    return name;
}

}  // namespace pakmole
