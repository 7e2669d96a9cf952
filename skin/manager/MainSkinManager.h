#pragma once
// The skin manager of the program's main window, set up the way the window's
// stored description sets it: call it while the window is being built (it is
// then loading), so the skin is read now and applied when the window's
// loading ends.
#include <string>

namespace pakmole {

class TComponent;
class TsSkinManager;

constexpr const char* kInternalSkinName = "Emberline (internal)";
// The RCDATA resource that carries the built-in skin package.
constexpr const char* kInternalSkinResource = "EMBERLINE";

// Creates "sSkinManager1" owned by owner and sets its stored properties in
// stored order: the internal skin (from the program's resources), the menu
// settings, SkinDirectory "c:\Skins", SkinName, SkinInfo and the ThirdParty
// lists (" " each, "TButton" for the buttons).
TsSkinManager* CreateMainSkinManager(TComponent* owner);

}  // namespace pakmole
