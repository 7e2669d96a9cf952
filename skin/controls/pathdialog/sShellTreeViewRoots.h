#pragma once
// The shell locations a folder tree can start from, named by the text of
// their enumeration value ("rfDesktop") and standing for the platform's
// special-folder numbers.
#include <optional>
#include <string>

namespace pakmole {

enum class TvlRootFolder {
    rfDesktop, rfMyComputer, rfNetwork, rfRecycleBin, rfAppData, rfCommonDesktopDirectory,
    rfCommonPrograms, rfCommonStartMenu, rfCommonStartup, rfControlPanel, rfDesktopDirectory,
    rfFavorites, rfFonts, rfInternet, rfPersonal, rfPrinters, rfPrintHood, rfPrograms, rfRecent,
    rfSendTo, rfStartMenu, rfStartup, rfTemplates,
};
constexpr int kRootFolderCount = static_cast<int>(TvlRootFolder::rfTemplates) + 1;

std::string RootFolderName(TvlRootFolder root);
// The value a name stands for, found without regard to case.
std::optional<TvlRootFolder> RootFolderByName(const std::string& name);
int RootFolderCsidl(TvlRootFolder root);

}  // namespace pakmole
