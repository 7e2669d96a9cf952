#pragma once
// The folder tree over the shell's namespace: it starts at one of the shell's
// root locations, lists the folders of a node when the node first opens, and
// maps nodes to folder paths and back. Renaming a node renames its folder.
// Skinned, it wears its section's frame, colours and scroll bars.
#include <map>
#include <memory>
#include <string>

#include "skin/controls/adapters/sOwnAdapter.h"
#include "skin/controls/pathdialog/sShellTreeViewItems.h"
#include "skin/controls/state/sBoundLabel.h"
#include "ui/TreeView.h"

namespace pakmole {

enum TShellObjectType : unsigned { otFolders = 1, otNonFolders = 2, otHidden = 4 };
using TShellObjectTypes = unsigned;

class TsShellTreeView : public TCustomTreeView {
public:
    explicit TsShellTreeView(TComponent* owner);
    ~TsShellTreeView() override;
    std::string ClassName() const override { return "TsShellTreeView"; }

    TsCommonData& SkinData() { return skin_.SkinData(); }
    TsBoundLabel& BoundLabel() { return *boundLabel_; }

    // The root by its name ("rfDesktop"); an unknown name is refused.
    const std::string& Root() const { return root_; }
    void SetRoot(const std::string& name);
    TShellObjectTypes ObjectTypes() const { return objectTypes_; }
    void SetObjectTypes(TShellObjectTypes types);
    // Kept for the stored description: the tree always shows the shell's
    // images and never watches the folders for changes.
    bool UseShellImages = true;
    bool AutoRefresh = false;

    // The shell's parsing name of the node's folder: a full path for a
    // file-system folder; empty for no node.
    std::string NodePath(TTreeNode node);
    std::string SelectedPath() { return NodePath(Selected()); }
    // Opens the tree down to the folder and selects it; throws "Error Setting
    // Path" when the shell cannot parse the path or the folder is not under the root.
    void SetSelectedPath(const std::string& path);
    // Lists the node's folders again.
    void RefreshNode(TTreeNode node);
    // The platform draws its own scroll bars whenever the tree's size or
    // content changes them; the skin paints its bars over them again.
    void RefreshScrollBars();

    void WndProc(TMessage& message) override;

protected:
    void CreateHandleDone() override;
    void DestroyingHandle() override;
    bool CanExpand(TTreeNode node) override;
    bool Edited(TTreeNode node, const std::string& text) override;
    void Deletion(TTreeNode node) override;

private:
    struct Node {
        TPidl Pidl;  // absolute
        bool Filled = false;
    };
    void Rebuild();
    void FillChildren(TTreeNode node);
    TComPtr<IShellFolder> BindFolder(const TPidl& pidl);
    TTreeNode ChildOnWayTo(TTreeNode node, LPCITEMIDLIST target);

    TComApartment apartment_;
    TComPtr<IShellFolder> desktop_;
    std::map<TTreeNode, Node> nodes_;
    std::string root_ = "rfDesktop";
    TShellObjectTypes objectTypes_ = otFolders;
    TsOwnAdapter skin_;
    std::unique_ptr<TsBoundLabel> boundLabel_;
};

}  // namespace pakmole
