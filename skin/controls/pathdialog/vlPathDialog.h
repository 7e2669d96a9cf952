#pragma once
// The folder selection dialog: a skinned form with the shell's folder tree,
// "OK", "Cancel" and "Create", and an optional column of buttons that move
// the tree's root to a few special folders. The folder edit creates, sets
// up, runs and frees it; one exists at a time. TsPathDialog keeps the
// settings of such a dialog for a stored description.
#include <functional>
#include <string>
#include <vector>

#include "skin/controls/pathdialog/sShellTreeView.h"
#include "ui/AnchorLayout.h"
#include "ui/CustomForm.h"

namespace pakmole {

class TsAlphaImageList;
class TsBitBtn;
class TsLabel;
class TsScrollBox;
class TsSkinProvider;
class TsSpeedButton;

enum TSelectDirOpt : unsigned { sdAllowCreate = 1, sdPerformCreate = 2, sdPrompt = 4 };
using TSelectDirOpts = unsigned;

class TPathDialogForm : public TForm {
public:
    explicit TPathDialogForm(TComponent* owner);
    ~TPathDialogForm() override;
    std::string ClassName() const override { return "TPathDialogForm"; }

    static constexpr int kMinWidth = 275;
    static constexpr int kMinHeight = 250;

    // Components in stored order.
    TsLabel* sLabel1 = nullptr;
    TsBitBtn* sBitBtn1 = nullptr;
    TsBitBtn* sBitBtn2 = nullptr;
    TsBitBtn* sBitBtn3 = nullptr;
    TsShellTreeView* sShellTreeView1 = nullptr;
    TsScrollBox* sScrollBox1 = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr;
    TsAlphaImageList* ImageList1 = nullptr;

    // The English captions of the form and its controls.
    void SetCaptions();
    // Shows the column of root buttons (building them) and makes room for
    // it, or hides its label.
    void ShowRootButtons(bool show);
    // The tree and the buttons follow the form's edges from now on.
    void SetAnchors();
    const std::vector<TsSpeedButton*>& RootButtons() const { return rootButtons_; }

    void sShellTreeView1Change(TObject* sender, TTreeNode node);
    void sBitBtn1Click(TObject* sender);
    void sBitBtn2Click(TObject* sender);
    void sBitBtn3Click(TObject* sender);

    void WndProc(TMessage& message) override;

    // The path of the next new folder in folder: "New folder" and the first
    // number from 1 up that names no existing folder; empty when all are taken.
    static std::string NewFolderPath(const std::string& folder,
                                     const std::function<bool(const std::string&)>& exists);

private:
    void ReadStoredDescription();
    void AddRootButton(int root);
    void ReportNotCreated(const std::string& path);
    // Whether a rename ran when OK or Cancel was pressed (or runs now); forgets it.
    bool TakeRenameAtPress();

    TAnchorLayout anchors_;
    std::vector<TsSpeedButton*> rootButtons_;
    bool renameAtPress_ = false;
};

// The form while one exists (null otherwise).
TPathDialogForm* PathDialogForm();

class TsPathDialog : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TsPathDialog"; }

    std::string Path;
    std::string Root = "rfDesktop";
    std::string Caption;
    bool NoChangeDir = false;
    bool ShowRootBtns = false;
    TSelectDirOpts DialogOptions = sdAllowCreate | sdPerformCreate | sdPrompt;
};

}  // namespace pakmole
