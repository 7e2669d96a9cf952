#pragma once
// Skinning of the platform's dialogs as they appear: the window hook of the
// GUI thread tells of every dialog that becomes active, and one that the
// skin manager's rules and its OnSysDlgInit handler let be skinned gets a
// TvlProvider; the providers go with their dialogs and with the hook.
#include <windows.h>

namespace pakmole {

// Starts listening to the hook (once per process; later calls do nothing).
void InstallDialogSkinning();

// Skins one top-level platform dialog when the rules allow it; true when it is skinned now.
bool SkinDialog(HWND dialog);

}  // namespace pakmole
