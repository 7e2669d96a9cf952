#pragma once
// The platform's tree view. Its items live in the window, so they exist only
// while the window does; descendants fill it when the window is made
// (CreateHandleDone) and again after it is made anew. Items are named by the
// platform's item handles.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/WinControl.h"

namespace pakmole {

using TTreeNode = HTREEITEM;

using TTVChangedEvent = std::function<void(TObject*, TTreeNode)>;

class TCustomTreeView : public TWinControl {
public:
    explicit TCustomTreeView(TComponent* owner);
    std::string ClassName() const override { return "TCustomTreeView"; }

    int Indent() const { return indent_; }
    void SetIndent(int indent);
    // Lines (and buttons) at the level of the top items.
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool on);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on);

    // Adds an item as the last child of parent (the top level when null).
    // hasChildren shows an expand button before any child exists.
    TTreeNode AddChild(TTreeNode parent, const std::string& text, bool hasChildren, int image = -1);
    void DeleteChildren(TTreeNode node);
    void Clear();
    void SetHasChildren(TTreeNode node, bool on);
    bool HasChildren(TTreeNode node);
    // Sorts the children of node by their texts.
    void SortChildren(TTreeNode node);

    TTreeNode TopItem();
    TTreeNode Parent(TTreeNode node);
    TTreeNode FirstChild(TTreeNode node);
    TTreeNode NextSibling(TTreeNode node);
    std::vector<TTreeNode> Children(TTreeNode node);
    std::string NodeText(TTreeNode node);
    void SetNodeText(TTreeNode node, const std::string& text);
    bool Expanded(TTreeNode node);
    void Expand(TTreeNode node);
    void Collapse(TTreeNode node);

    TTreeNode Selected();
    void Select(TTreeNode node);
    // Where the item lies, client coordinates (the text only when textOnly).
    RECT NodeRect(TTreeNode node, bool textOnly = true);

    // Renaming an item in place.
    void EditText(TTreeNode node);
    bool IsEditing();
    // Ends the rename in progress; cancel drops the typed text.
    void EndEditing(bool cancel);
    // The edit window of the rename in progress (null when none).
    HWND EditControl();

    void SetColor(TColor color) override;
    void WndProc(TMessage& message) override;

    TTVChangedEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void FontChanged() override;
    virtual void Change(TTreeNode node);
    // Asked before a node opens; false keeps it closed.
    virtual bool CanExpand(TTreeNode node) { (void)node; return true; }
    // A rename was confirmed with text; false refuses it (the item keeps its text).
    virtual bool Edited(TTreeNode node, const std::string& text) { (void)node, (void)text; return true; }
    // The item is leaving the tree.
    virtual void Deletion(TTreeNode node) { (void)node; }

private:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    void ApplyColors();
    bool HandleNotify(TMessage& message);

    int indent_ = 19;
    bool showRoot_ = true;
    bool readOnly_ = false;
};

class TTreeView : public TCustomTreeView {
public:
    using TCustomTreeView::TCustomTreeView;
    std::string ClassName() const override { return "TTreeView"; }
};

}  // namespace pakmole
