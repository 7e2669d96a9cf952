#include "OutputPath.h"

namespace pakmole {
namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
}  // namespace

std::string RelativeMountPoint(std::string_view mountPoint) {
    if (mountPoint.size() >= 2 && mountPoint[1] == ':') mountPoint.remove_prefix(2);
    while (!mountPoint.empty() && IsSeparator(mountPoint.front())) mountPoint.remove_prefix(1);
    return std::string(mountPoint);
}

std::string RefusedEntryName(std::string_view name) {
    if (!name.empty() && IsSeparator(name.front())) return "The entry name is absolute.";
    if (name.find(':') != std::string_view::npos) return "The entry name names a drive.";
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = start;
        while (end < name.size() && !IsSeparator(name[end])) ++end;
        if (name.substr(start, end - start) == "..") return "The entry name leaves the extraction folder.";
        start = end + 1;
    }
    return {};
}

}  // namespace pakmole
