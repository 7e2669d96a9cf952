#pragma once
// The folder edit: its button runs the folder selection dialog.
#include <string>

#include "skin/controls/edits/sFileDirEdit.h"
#include "skin/controls/pathdialog/vlPathDialog.h"

namespace pakmole {

class TsDirectoryEdit : public TsFileDirEdit {
public:
    explicit TsDirectoryEdit(TComponent* owner);
    std::string ClassName() const override { return "TsDirectoryEdit"; }

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
