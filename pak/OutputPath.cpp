#include "OutputPath.h"

#include <algorithm>

namespace pakmole {
namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// "..", and on Windows also "...", ".. " and the like: trailing dots and
// spaces are dropped from path segments there, so any segment of only dots
// and spaces with two dots may end up meaning the parent folder.
bool ClimbsUp(std::string_view segment) {
    if (segment.find("..") == std::string_view::npos && std::count(segment.begin(), segment.end(), '.') < 2)
        return false;
    return segment.find_first_not_of(". ") == std::string_view::npos;
}
}  // namespace

std::string RelativeMountPoint(std::string_view mountPoint) {
    if (mountPoint.size() >= 2 && mountPoint[1] == ':') mountPoint.remove_prefix(2);
    while (!mountPoint.empty() && IsSeparator(mountPoint.front())) mountPoint.remove_prefix(1);
    return std::string(mountPoint);
}

std::string ContainedMountPoint(std::string_view mountPoint) {
    std::string contained;
    std::size_t start = 0;
    while (start < mountPoint.size()) {
        std::size_t end = start;
        while (end < mountPoint.size() && !IsSeparator(mountPoint[end])) ++end;
        const std::string_view segment = mountPoint.substr(start, end - start);
        const bool drive = segment.find(':') != std::string_view::npos;
        if (!segment.empty() && !drive && !ClimbsUp(segment) && segment.find_first_not_of('.') != std::string_view::npos) {
            contained += segment;
            contained += '\\';
        }
        start = end + 1;
    }
    return contained;
}

std::string RefusedEntryName(std::string_view name) {
    if (!name.empty() && IsSeparator(name.front())) return "The entry name is absolute.";
    if (name.find(':') != std::string_view::npos) return "The entry name names a drive.";
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = start;
        while (end < name.size() && !IsSeparator(name[end])) ++end;
        if (ClimbsUp(name.substr(start, end - start))) return "The entry name leaves the extraction folder.";
        start = end + 1;
    }
    return {};
}

}  // namespace pakmole
