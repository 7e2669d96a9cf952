#pragma once
// What a skin manager tells the user about a skin's format version.
#include <optional>
#include <string>

namespace pakmole {

struct TsVersionNotice {
    bool Warning = false;  // a warning box; otherwise a plain message box
    std::string Text;
};

// Newer skins than 8.99 always get a warning; skins older than 7 get a notice
// only when oldSkinNotice is on (design mode or "/vltest").
std::optional<TsVersionNotice> SkinVersionNotice(double version, const std::string& skinName, bool oldSkinNotice);

}  // namespace pakmole
