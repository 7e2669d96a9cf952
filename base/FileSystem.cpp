#include "FileSystem.h"

namespace pakmole {

std::string ExtractFilePath(std::string_view path) {
    const auto last = path.find_last_of(kFolderDelimiters);
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

}  // namespace pakmole
