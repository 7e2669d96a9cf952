#include "skin/controls/pathdialog/sShellTreeViewItems.h"

#include <shlwapi.h>

namespace pakmole {

std::string ShellDisplayName(IShellFolder* folder, LPCITEMIDLIST item, DWORD form) {
    STRRET name{};
    if (!folder || FAILED(folder->GetDisplayNameOf(item, form, &name))) return {};
    char text[MAX_PATH * 2] = {};
    // Frees the name's memory when the shell handed some over.
    if (FAILED(StrRetToBufA(&name, item, text, sizeof(text)))) return {};
    return text;
}

}  // namespace pakmole
