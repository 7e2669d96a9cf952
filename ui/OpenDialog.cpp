#include "ui/OpenDialog.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>

#include "ui/Application.h"
#include "ui/CustomForm.h"
#include "ui/Screen.h"

namespace pakmole {

std::string DialogFilterText(const std::string& filter) {
    std::string text = filter;
    std::replace(text.begin(), text.end(), '|', '\0');
    text.push_back('\0');
    text.push_back('\0');
    return text;
}

namespace {

DWORD FlagsOf(TOpenOptions o) {
    DWORD f = OFN_EXPLORER;
    if (o & ofReadOnly) f |= OFN_READONLY;
    if (o & ofOverwritePrompt) f |= OFN_OVERWRITEPROMPT;
    if (o & ofHideReadOnly) f |= OFN_HIDEREADONLY;
    if (o & ofNoChangeDir) f |= OFN_NOCHANGEDIR;
    if (o & ofShowHelp) f |= OFN_SHOWHELP;
    if (o & ofNoValidate) f |= OFN_NOVALIDATE;
    if (o & ofAllowMultiSelect) f |= OFN_ALLOWMULTISELECT;
    if (o & ofExtensionDifferent) f |= OFN_EXTENSIONDIFFERENT;
    if (o & ofPathMustExist) f |= OFN_PATHMUSTEXIST;
    if (o & ofFileMustExist) f |= OFN_FILEMUSTEXIST;
    if (o & ofCreatePrompt) f |= OFN_CREATEPROMPT;
    if (o & ofShareAware) f |= OFN_SHAREAWARE;
    if (o & ofNoReadOnlyReturn) f |= OFN_NOREADONLYRETURN;
    if (o & ofNoTestFileCreate) f |= OFN_NOTESTFILECREATE;
    if (o & ofNoNetworkButton) f |= OFN_NONETWORKBUTTON;
    if (o & ofNoLongNames) f |= OFN_NOLONGNAMES;
    if (o & ofNoDereferenceLinks) f |= OFN_NODEREFERENCELINKS;
    if (o & ofEnableIncludeNotify) f |= OFN_ENABLEINCLUDENOTIFY;
    if (o & ofEnableSizing) f |= OFN_ENABLESIZING;
    if (o & ofDontAddToRecent) f |= OFN_DONTADDTORECENT;
    if (o & ofForceShowHidden) f |= OFN_FORCESHOWHIDDEN;
    return f;
}

// A multi-selection answer is the folder, then the names, each ending in a NUL.
std::vector<std::string> SplitResult(const std::vector<char>& buffer, bool multi) {
    std::vector<std::string> parts;
    size_t i = 0;
    while (i < buffer.size() && buffer[i] != '\0') {
        std::string part(&buffer[i]);
        i += part.size() + 1;
        parts.push_back(part);
        if (!multi) break;
    }
    if (parts.size() <= 1) return parts;
    std::string folder = parts.front();
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    std::vector<std::string> files;
    for (size_t k = 1; k < parts.size(); ++k) files.push_back(folder + parts[k]);
    return files;
}

}  // namespace

bool TOpenDialog::RunDialog(void* ofn) {
    return GetOpenFileNameA(static_cast<OPENFILENAMEA*>(ofn)) != FALSE;
}

bool TSaveDialog::RunDialog(void* ofn) {
    return GetSaveFileNameA(static_cast<OPENFILENAMEA*>(ofn)) != FALSE;
}

bool TOpenDialog::Execute() {
    const std::string filter = DialogFilterText(Filter);
    // Room for many names when several may be chosen.
    std::vector<char> buffer((Options & ofAllowMultiSelect) ? 65536 : 4096, '\0');
    std::copy_n(FileName.begin(), std::min(FileName.size(), buffer.size() - 1), buffer.begin());

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    HWND owner = GetActiveWindow();
    if (!owner) {
        TApplication* app = Application();
        if (app && app->MainForm() && app->MainForm()->HandleAllocated())
            owner = app->MainForm()->Handle();
    }
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
    ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
    ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
    ofn.Flags = FlagsOf(Options);

    const bool accepted = RunDialog(&ofn);
    if (!accepted) return false;
    Files = SplitResult(buffer, (Options & ofAllowMultiSelect) != 0);
    FileName = Files.empty() ? std::string(buffer.data()) : Files.front();
    FilterIndex = static_cast<int>(ofn.nFilterIndex);
    if (ofn.Flags & OFN_READONLY)
        Options |= ofReadOnly;
    else
        Options &= ~ofReadOnly;
    return true;
}

}  // namespace pakmole
