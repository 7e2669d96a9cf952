// The list of skins a user can choose from.
#include <algorithm>

#include "base/FileSystem.h"
#include "skin/data/TextCase.h"
#include "skin/manager/sSkinManager.h"

namespace pakmole {
namespace {

// Closes a FindFirstFile search.
class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

}  // namespace

void TsSkinManager::ListSkins(std::vector<std::string>& list, int mode, std::string& firstName) const {
    list.clear();
    std::vector<std::string> names;
    auto add = [&](const std::string& name) {
        names.push_back(name);
        if (firstName.empty()) firstName = name;
    };
    for (int i = 0; i < internalSkins_.Count(); ++i) add(internalSkins_[i].Name);

    const std::string folder = SkinFolder();
    if (DirectoryExists(folder)) {
        const bool folders = mode == 0 || mode == 2;
        const bool packages = mode == 1 || mode == 2;
        WIN32_FIND_DATAA found{};
        FindHandle search(FindFirstFileA((folder + "\\*").c_str(), &found));
        if (search.Valid()) {
            do {
                const std::string name = found.cFileName;
                if (name.empty() || name.front() == '.') continue;
                const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
                if (isFolder) {
                    if (folders && FileExists(folder + "\\" + name + "\\Options.dat")) add(name);
                    continue;
                }
                // The extension test is exact: "Dark.VLZ" is no skin in the list,
                // though SkinName "Dark" loads it.
                const auto dot = name.rfind('.');
                if (packages && dot != std::string::npos && name.substr(dot) == ".vlz") add(name.substr(0, name.find('.')));
            } while (FindNextFileA(search.Get(), &found));
        }
    }
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return UpperCase(a) < UpperCase(b);
    });
    list = std::move(names);
}

}  // namespace pakmole
