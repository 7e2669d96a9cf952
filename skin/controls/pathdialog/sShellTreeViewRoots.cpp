#include "skin/controls/pathdialog/sShellTreeViewRoots.h"

#include <array>
#include <cstddef>
#include <strings.h>

namespace pakmole {
namespace {

struct RootEntry {
    const char* name;
    int csidl;
};

constexpr std::array<RootEntry, kRootFolderCount> kRoots{{
    {"rfDesktop", 0}, {"rfMyComputer", 17}, {"rfNetwork", 18}, {"rfRecycleBin", 10}, {"rfAppData", 26},
    {"rfCommonDesktopDirectory", 25}, {"rfCommonPrograms", 23}, {"rfCommonStartMenu", 22},
    {"rfCommonStartup", 24}, {"rfControlPanel", 3}, {"rfDesktopDirectory", 16}, {"rfFavorites", 6},
    {"rfFonts", 20}, {"rfInternet", 1}, {"rfPersonal", 5}, {"rfPrinters", 4}, {"rfPrintHood", 27},
    {"rfPrograms", 2}, {"rfRecent", 8}, {"rfSendTo", 9}, {"rfStartMenu", 11}, {"rfStartup", 7},
    {"rfTemplates", 21},
}};

const RootEntry& Entry(TvlRootFolder root) { return kRoots.at(static_cast<std::size_t>(root)); }

}  // namespace

std::string RootFolderName(TvlRootFolder root) { return Entry(root).name; }

int RootFolderCsidl(TvlRootFolder root) { return Entry(root).csidl; }

std::optional<TvlRootFolder> RootFolderByName(const std::string& name) {
    for (std::size_t i = 0; i < kRoots.size(); ++i)
        if (strcasecmp(kRoots[i].name, name.c_str()) == 0) return static_cast<TvlRootFolder>(i);
    return std::nullopt;
}

}  // namespace pakmole
