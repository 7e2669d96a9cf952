#pragma once
// Forms the program shows without a skin provider of their own (message
// forms, the key form) get one as soon as their window exists, when the
// default skin manager's rules ask for it. The provider belongs to the form
// and goes with it.
#include <string>

#include "skin/manager/sSkinManager.h"

namespace pakmole {

class TCustomForm;

// Whether a form of this class and tag is given a provider under rules:
// never for the engine's own windows (tag -98) and the excluded classes;
// message forms come with the dialog rule, every other form with the forms rule.
bool WantsAutoProvider(const std::string& className, long tag, TvlSkinningRules rules);

// Starts listening for new forms (once per process; later calls do nothing).
void InstallFormAutoSkin();

}  // namespace pakmole
