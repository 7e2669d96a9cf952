#pragma once
// The tab-separated list of a pak's entries: a header line, then one row per
// entry (number, name without the mount point, offset, stored size, uncompressed
// size), every
// line ending with CR LF.
#include <cstdint>
#include <string>

#include "PakEntry.h"

namespace pakmole {

inline constexpr const char* kFileListHeader = "#\tFileName\tOffset\tSize\tZSize\r\n";
inline constexpr const char* kFileListSuffix = "_filelist.txt";

void AppendFileListRow(std::string& list, int32_t number, const PakEntry& entry);

}  // namespace pakmole
