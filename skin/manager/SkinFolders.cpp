#include "skin/manager/SkinFolders.h"

#include "skin/data/TextCase.h"

namespace pakmole {

std::string SkinPackageFolder(const std::string& directory) {
    if (directory.empty()) return directory;
    const char last = directory.back();
    if (last == '\\') return directory;
    if (last == '/') return directory.substr(0, directory.size() - 1) + "\\";
    // A lone character is a drive letter.
    if (directory.size() == 1) return directory + ":\\";
    return directory + "\\";
}

std::string ResolveSkinFolder(const std::string& directory, const std::string& programFolder) {
    if (directory.rfind("..", 0) == 0) {
        std::string parent = programFolder;
        if (!parent.empty() && (parent.back() == '\\' || parent.back() == '/')) parent.pop_back();
        const auto cut = parent.find_last_of("\\/");
        // The parent keeps its own final separator; "..\" goes from the text.
        parent.erase(cut == std::string::npos ? 0 : cut + 1);
        return parent + (directory.size() > 3 ? directory.substr(3) : std::string());
    }
    if (directory.rfind(".\\", 0) == 0 || directory.rfind("./", 0) == 0) return programFolder + directory.substr(2);
    if (directory.find(':') == std::string::npos && directory.find("\\\\") == std::string::npos)
        return programFolder + directory;
    return directory;
}

bool StripPackageSuffix(std::string& name) {
    if (name.size() <= 4 || UpperCase(name.substr(name.size() - 4)) != ".VLZ") return false;
    name.erase(name.size() - 4);
    return true;
}

}  // namespace pakmole
