#pragma once
// The platform's file-open and file-save dialogs.
#include <string>
#include <vector>

#include "ui/Component.h"

namespace pakmole {

// Bits of TOpenOptions, in the platform's order (ofHideReadOnly | ofEnableSizing = 524292).
enum TOpenOption : unsigned {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofShowHelp = 1u << 4,
    ofNoValidate = 1u << 5,
    ofAllowMultiSelect = 1u << 6,
    ofExtensionDifferent = 1u << 7,
    ofPathMustExist = 1u << 8,
    ofFileMustExist = 1u << 9,
    ofCreatePrompt = 1u << 10,
    ofShareAware = 1u << 11,
    ofNoReadOnlyReturn = 1u << 12,
    ofNoTestFileCreate = 1u << 13,
    ofNoNetworkButton = 1u << 14,
    ofNoLongNames = 1u << 15,
    ofOldStyleDialog = 1u << 16,
    ofNoDereferenceLinks = 1u << 17,
    ofEnableIncludeNotify = 1u << 18,
    ofEnableSizing = 1u << 19,
    ofDontAddToRecent = 1u << 20,
    ofForceShowHidden = 1u << 21,
};
using TOpenOptions = unsigned;

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}
    std::string ClassName() const override { return "TOpenDialog"; }

    std::string FileName;
    // "Description|pattern|Description|pattern".
    std::string Filter;
    int FilterIndex = 1;
    std::string InitialDir;
    std::string DefaultExt;
    std::string Title;
    TOpenOptions Options = ofHideReadOnly | ofEnableSizing;
    std::vector<std::string> Files;        // the chosen names (several with ofAllowMultiSelect)
    std::vector<std::string> HistoryList;  // kept for code that fills it; the dialog shows none
    int HelpContext = 0;

    // Runs the dialog modally over the active window; true when a name was chosen.
    virtual bool Execute();

protected:
    virtual bool RunDialog(void* ofn);
};

class TSaveDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;
    std::string ClassName() const override { return "TSaveDialog"; }

protected:
    bool RunDialog(void* ofn) override;
};

// The platform's filter text for a "a|b|c|d" filter: pairs separated by NULs, ending in two.
std::string DialogFilterText(const std::string& filter);

}  // namespace pakmole
