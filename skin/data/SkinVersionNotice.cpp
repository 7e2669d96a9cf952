#include "skin/data/SkinVersionNotice.h"

namespace pakmole {

std::optional<TsVersionNotice> SkinVersionNotice(double version, const std::string& skinName, bool oldSkinNotice) {
    if (version >= 7) {
        if (version <= 8.99) return std::nullopt;
        return TsVersionNotice{true,
                               "This version of the skin have not complete support by used Velour package release.\r\n"
                               "Components must be updated up to latest version for using this skin."};
    }
    if (!oldSkinNotice) return std::nullopt;
    return TsVersionNotice{false, "You are using an old version of the \"" + skinName +
                                      "\" skin. Please, update a skins to latest or link with the Velour support for "
                                      "upgrading of existing skin.\r\n\r\n"
                                      "This notification occurs in design-time only for your information and will "
                                      "not occur in real-time."};
}

}  // namespace pakmole
