#pragma once
// The two folders derived from a skin manager's SkinDirectory, and the skin
// name rule for package files. Windows path rules, but no file access.
#include <string>

namespace pakmole {

// Where package files are looked for: the directory with its end normalised
// and nothing else, so a relative directory stays relative to the current
// folder of the process.
std::string SkinPackageFolder(const std::string& directory);

// Where loose skin folders live and the skin list is taken from: relative
// directories are put under programFolder (which ends with its delimiter).
// No separator is added at the end.
std::string ResolveSkinFolder(const std::string& directory, const std::string& programFolder);

// Removes a final ".vlz" in any letter case from a name longer than the
// suffix; true when it did.
bool StripPackageSuffix(std::string& name);

}  // namespace pakmole
