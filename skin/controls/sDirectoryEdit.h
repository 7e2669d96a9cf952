#pragma once
// The folder edit: its button is meant to run the folder selection dialog.
// That dialog is not part of the program yet; the button says so.
#include <string>

#include "skin/controls/sFileDirEdit.h"

namespace pakmole {

enum TSelectDirOpt : unsigned { sdAllowCreate = 1, sdPerformCreate = 2, sdPrompt = 4 };
using TSelectDirOpts = unsigned;

class TsDirectoryEdit : public TsFileDirEdit {
public:
    explicit TsDirectoryEdit(TComponent* owner);
    std::string ClassName() const override { return "TsDirectoryEdit"; }

    static const char* const kDialogMissingMessage;

    std::string InitialDir;
    TSelectDirOpts DialogOptions = sdAllowCreate | sdPerformCreate | sdPrompt;
    std::string DialogText;
    bool MultipleDirs = false;
    bool NoChangeDir = false;
    std::string Root = "rfDesktop";  // the name of a shell root
    bool ShowRootBtns = false;

    std::string ExpandedText() const override;
    std::string CompactText() const override { return Text(); }

protected:
    void RunButtonAction() override;
    void TakeDroppedName(const std::string& name) override;
};

}  // namespace pakmole
