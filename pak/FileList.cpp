#include "FileList.h"

namespace pakmole {

void AppendFileListRow(std::string& list, int32_t number, const PakEntry& entry) {
    list += std::to_string(number);
    list += '\t';
    list += entry.name;
    list += '\t';
    list += std::to_string(entry.offset);
    list += '\t';
    list += std::to_string(entry.size);
    list += '\t';
    list += std::to_string(entry.uncompressedSize);
    list += "\r\n";
}

}  // namespace pakmole
