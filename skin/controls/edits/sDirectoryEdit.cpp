#include "skin/controls/edits/sDirectoryEdit.h"

#include <windows.h>

#include "base/Exceptions.h"
#include "base/FileSystem.h"
#include "base/SystemError.h"
#include "skin/controls/adapters/sBitBtn.h"
#include "ui/Application.h"

namespace pakmole {

TsDirectoryEdit::TsDirectoryEdit(TComponent* owner) : TsFileDirEdit(owner) {
    SkinData().ControlKind = ckDirectoryEdit;
    defaultGlyphIndex_ = 1;
}

std::string TsDirectoryEdit::ExpandedText() const { return Text(); }

void TsDirectoryEdit::RunButtonAction() {
    TsFileDirEdit::RunButtonAction();
    std::string name = Text();
    bool action = true;
    FireBeforeDialog(name, action);
    if (!action) return;
    if (name.empty()) name = InitialDir;
    if (!DirectoryExists(name))
        name.clear();
    else if (!NoChangeDir && !SetCurrentDirectoryA(name.c_str()))
        throw Exception(SystemErrorMessage(GetLastError()));
    {
        ComponentPtr<TPathDialogForm> form(new TPathDialogForm(Application()));
        form->SetCaptions();
        form->sBitBtn3->SetVisible((DialogOptions & sdAllowCreate) != 0);
        form->ShowRootButtons(ShowRootBtns);
        form->SetAnchors();
        // An empty caption would show the tree's name.
        form->sShellTreeView1->BoundLabel().SetCaption(DialogText.empty() ? " " : DialogText);
        form->sShellTreeView1->SetRoot(Root);
        if (!name.empty() && DirectoryExists(name)) form->sShellTreeView1->SetSelectedPath(name);
        if (form->ShowModal() == mrOk) {
            name = form->sShellTreeView1->SelectedPath();
            if (DirectoryExists(name)) InitialDir = name;
        } else {
            name = Text();
        }
    }
    FireAfterDialog(name, action);
    if (action) SetText(name);
}

void TsDirectoryEdit::TakeDroppedName(const std::string& name) {
    const std::string folder = FileExists(name) ? ExtractFilePath(name) : name;
    if (MultipleDirs && !Text().empty())
        SetText(Text() + ";" + folder);
    else
        SetText(folder);
}

}  // namespace pakmole
