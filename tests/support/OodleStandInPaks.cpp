#include "OodleStandInPaks.h"

#include <filesystem>

namespace pakmole::test {

std::string OodleStandInPath() {
    std::string path = PAKMOLE_OODLE_STAND_IN;
#ifdef _WIN32
    for (auto& c : path)
        if (c == '/') c = '\\';
    path = "Z:" + path;
#endif
    return path;
}

std::string OodleStandInName() { return std::filesystem::path(PAKMOLE_OODLE_STAND_IN).filename().string(); }

std::string OodleStandInEncode(const std::string& data) {
    std::string out = "OOSI";
    for (std::size_t at = 0; at < data.size();) {
        std::size_t run = 1;
        while (at + run < data.size() && run < 255 && data[at + run] == data[at]) ++run;
        out += static_cast<char>(run);
        out += data[at];
        at += run;
    }
    return out;
}

PakBuilderEntry OodleStandInEntry(const std::string& name, const std::string& data, std::size_t blockSize,
                                  int32_t slot) {
    PakBuilderEntry entry;
    entry.name = name;
    entry.data = data;
    entry.compressed = true;
    entry.blockSize = blockSize;
    entry.methodSlot = slot;
    for (std::size_t at = 0; at < data.size(); at += blockSize)
        entry.rawBlocks.push_back(OodleStandInEncode(data.substr(at, blockSize)));
    return entry;
}

}  // namespace pakmole::test
