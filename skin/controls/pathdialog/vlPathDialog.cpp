#include "skin/controls/pathdialog/vlPathDialog.h"

#include <climits>

#include "base/FileSystem.h"
#include "skin/controls/adapters/sBitBtn.h"
#include "skin/controls/adapters/sLabel.h"
#include "skin/controls/adapters/sScrollBox.h"
#include "skin/controls/pathdialog/sShellTreeViewRoots.h"
#include "ui/Application.h"

namespace pakmole {
namespace {

TPathDialogForm* currentForm = nullptr;

}  // namespace

TPathDialogForm* PathDialogForm() { return currentForm; }

TPathDialogForm::TPathDialogForm(TComponent* owner) : TForm(owner) {
    currentForm = this;
    ReadStoredDescription();
    // Pressing a button takes the focus from the rename, which ends it
    // before the click arrives: whether one ran is noted at the press.
    for (TsBitBtn* button : {sBitBtn1, sBitBtn2}) {
        button->WindowProc = [this, previous = button->WindowProc](TMessage& m) {
            if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) renameAtPress_ = sShellTreeView1->IsEditing();
            previous(m);
        };
    }
}

bool TPathDialogForm::TakeRenameAtPress() {
    const bool renaming = renameAtPress_ || sShellTreeView1->IsEditing();
    renameAtPress_ = false;
    return renaming;
}

TPathDialogForm::~TPathDialogForm() {
    if (currentForm == this) currentForm = nullptr;
}

void TPathDialogForm::SetCaptions() {
    SetCaption("Select directory");
    sLabel1->SetCaption("Root :");
    sBitBtn1->SetCaption("OK");
    sBitBtn2->SetCaption("Cancel");
    sBitBtn3->SetCaption("Create");
}

void TPathDialogForm::SetAnchors() {
    anchors_.Anchor(sShellTreeView1, akLeft | akTop | akRight | akBottom);
    anchors_.Anchor(sScrollBox1, akLeft | akTop | akBottom);
    anchors_.Anchor(sBitBtn1, akRight | akBottom);
    anchors_.Anchor(sBitBtn2, akRight | akBottom);
    anchors_.Anchor(sBitBtn3, akLeft | akBottom);
    sShellTreeView1->RefreshScrollBars();
}

void TPathDialogForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETMINMAXINFO: {
        TForm::WndProc(m);
        auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
        info->ptMinTrackSize = POINT{kMinWidth, kMinHeight};
        return;
    }
    case WM_SIZE:
        TForm::WndProc(m);
        if (m.WParam != SIZE_MINIMIZED) {
            anchors_.Apply();
            sShellTreeView1->RefreshScrollBars();
        }
        return;
    default:
        TForm::WndProc(m);
    }
}

void TPathDialogForm::sShellTreeView1Change(TObject*, TTreeNode) {
    const bool folder = DirectoryExists(sShellTreeView1->SelectedPath());
    sBitBtn1->SetEnabled(folder);
    sBitBtn3->SetEnabled(folder);
}

void TPathDialogForm::sBitBtn1Click(TObject*) {
    if (!TakeRenameAtPress()) return;  // the button's result closes the form
    SetModalResult(mrNone);
    sShellTreeView1->EndEditing(false);
    sShellTreeView1->SetFocus();
}

void TPathDialogForm::sBitBtn2Click(TObject*) {
    if (TakeRenameAtPress()) SetModalResult(mrNone);
}

std::string TPathDialogForm::NewFolderPath(const std::string& folder,
                                           const std::function<bool(const std::string&)>& exists) {
    std::string base = folder;
    if (base.empty() || base.back() != '\\') base += '\\';
    base += "New folder";
    for (long long number = 1; number <= INT_MAX; ++number) {
        std::string path = base + std::to_string(number);
        if (!exists(path)) return path;
    }
    return {};
}

void TPathDialogForm::sBitBtn3Click(TObject*) {
    TsShellTreeView& tree = *sShellTreeView1;
    const std::string path =
        NewFolderPath(tree.SelectedPath(), [](const std::string& p) { return DirectoryExists(p); });
    if (!path.empty()) CreateDirectoryA(path.c_str(), nullptr);
    if (path.empty() || !DirectoryExists(path)) {
        ReportNotCreated(path);
        return;
    }
    TTreeNode parent = tree.Selected();
    tree.RefreshNode(parent);
    tree.RefreshScrollBars();
    for (TTreeNode child : tree.Children(parent)) {
        if (tree.NodePath(child) != path) continue;
        tree.Select(child);
        tree.SetFocus();
        tree.Expand(parent);
        // The user names the folder at once.
        tree.EditText(child);
        break;
    }
}

void TPathDialogForm::ReportNotCreated(const std::string& path) {
    const std::string text = "Directory " + path + " can`t be created!";
    MSGBOXPARAMSA box{};
    box.cbSize = sizeof(box);
    box.hwndOwner = Application() ? Application()->Handle() : nullptr;
    box.hInstance = GetModuleHandleA(nullptr);
    box.lpszText = text.c_str();
    box.lpszCaption = "Error";
    // Task-modal: every other window of the program waits for the box.
    box.dwStyle = MB_OK | MB_ICONSTOP | MB_TASKMODAL;
    MessageBoxIndirectA(&box);
}

}  // namespace pakmole
