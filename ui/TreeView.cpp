#include "ui/TreeView.h"

#include <cstring>

namespace pakmole {

TCustomTreeView::TCustomTreeView(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
}

void TCustomTreeView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.BaseClassName = WC_TREEVIEWA;
    p.Style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS;
    if (showRoot_) p.Style |= TVS_LINESATROOT;
    if (!readOnly_) p.Style |= TVS_EDITLABELS;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateHandleDone() {
    // Notifications carry 8-bit texts, as everywhere in the program.
    Send(CCM_SETUNICODEFORMAT, FALSE);
    Send(TVM_SETINDENT, static_cast<WPARAM>(indent_));
    ApplyColors();
}

LRESULT TCustomTreeView::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(Handle(), msg, wParam, lParam);
}

void TCustomTreeView::SetIndent(int indent) {
    indent_ = indent;
    if (HandleAllocated()) Send(TVM_SETINDENT, static_cast<WPARAM>(indent));
}

void TCustomTreeView::SetShowRoot(bool on) {
    if (on == showRoot_) return;
    showRoot_ = on;
    if (HandleAllocated()) {
        LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
        style = on ? (style | TVS_LINESATROOT) : (style & ~static_cast<LONG_PTR>(TVS_LINESATROOT));
        SetWindowLongPtrA(handle_, GWL_STYLE, style);
        Invalidate();
    }
}

void TCustomTreeView::SetReadOnly(bool on) {
    if (on == readOnly_) return;
    readOnly_ = on;
    if (HandleAllocated()) {
        LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
        style = on ? (style & ~static_cast<LONG_PTR>(TVS_EDITLABELS)) : (style | TVS_EDITLABELS);
        SetWindowLongPtrA(handle_, GWL_STYLE, style);
    }
}

void TCustomTreeView::SetColor(TColor color) {
    TWinControl::SetColor(color);
    if (HandleAllocated()) ApplyColors();
}

void TCustomTreeView::FontChanged() {
    TWinControl::FontChanged();
    if (HandleAllocated()) ApplyColors();
}

void TCustomTreeView::ApplyColors() {
    Send(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
    Send(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
    Invalidate();
}

TTreeNode TCustomTreeView::AddChild(TTreeNode parent, const std::string& text, bool hasChildren, int image) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.cChildren = hasChildren ? 1 : 0;
    if (image >= 0) {
        insert.item.mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        insert.item.iImage = image;
        insert.item.iSelectedImage = image;
    }
    return reinterpret_cast<TTreeNode>(Send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TCustomTreeView::DeleteChildren(TTreeNode node) {
    // Each deletion is told through Deletion, child by child.
    while (TTreeNode child = FirstChild(node)) Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
}

void TCustomTreeView::Clear() {
    if (HandleAllocated()) Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

void TCustomTreeView::SetHasChildren(TTreeNode node, bool on) {
    TVITEMA item{};
    item.mask = TVIF_CHILDREN | TVIF_HANDLE;
    item.hItem = node;
    item.cChildren = on ? 1 : 0;
    Send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

bool TCustomTreeView::HasChildren(TTreeNode node) {
    TVITEMA item{};
    item.mask = TVIF_CHILDREN | TVIF_HANDLE;
    item.hItem = node;
    Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.cChildren != 0;
}

void TCustomTreeView::SortChildren(TTreeNode node) {
    Send(TVM_SORTCHILDREN, FALSE, reinterpret_cast<LPARAM>(node ? node : TVI_ROOT));
}

TTreeNode TCustomTreeView::TopItem() {
    return HandleAllocated() ? reinterpret_cast<TTreeNode>(Send(TVM_GETNEXTITEM, TVGN_ROOT, 0)) : nullptr;
}

TTreeNode TCustomTreeView::Parent(TTreeNode node) {
    return reinterpret_cast<TTreeNode>(Send(TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(node)));
}

TTreeNode TCustomTreeView::FirstChild(TTreeNode node) {
    if (!node) return TopItem();
    return reinterpret_cast<TTreeNode>(Send(TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(node)));
}

TTreeNode TCustomTreeView::NextSibling(TTreeNode node) {
    return reinterpret_cast<TTreeNode>(Send(TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(node)));
}

std::vector<TTreeNode> TCustomTreeView::Children(TTreeNode node) {
    std::vector<TTreeNode> children;
    for (TTreeNode child = FirstChild(node); child; child = NextSibling(child)) children.push_back(child);
    return children;
}

std::string TCustomTreeView::NodeText(TTreeNode node) {
    char text[MAX_PATH + 1] = {};
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = node;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return text;
}

void TCustomTreeView::SetNodeText(TTreeNode node, const std::string& text) {
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = node;
    item.pszText = const_cast<char*>(text.c_str());
    Send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

bool TCustomTreeView::Expanded(TTreeNode node) {
    return (Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(node), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

void TCustomTreeView::Expand(TTreeNode node) { Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node)); }

void TCustomTreeView::Collapse(TTreeNode node) { Send(TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(node)); }

TTreeNode TCustomTreeView::Selected() {
    return HandleAllocated() ? reinterpret_cast<TTreeNode>(Send(TVM_GETNEXTITEM, TVGN_CARET, 0)) : nullptr;
}

void TCustomTreeView::Select(TTreeNode node) {
    Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
    if (node) Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(node));
}

RECT TCustomTreeView::NodeRect(TTreeNode node, bool textOnly) {
    RECT r{};
    // The item handle goes in the rectangle's first field.
    static_assert(sizeof(r) >= sizeof(node));
    std::memcpy(&r, &node, sizeof(node));
    if (!Send(TVM_GETITEMRECT, textOnly ? TRUE : FALSE, reinterpret_cast<LPARAM>(&r))) return RECT{};
    return r;
}

void TCustomTreeView::EditText(TTreeNode node) {
    SetFocus();
    Send(TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(node));
}

HWND TCustomTreeView::EditControl() {
    return HandleAllocated() ? reinterpret_cast<HWND>(Send(TVM_GETEDITCONTROL)) : nullptr;
}

bool TCustomTreeView::IsEditing() { return EditControl() != nullptr; }

void TCustomTreeView::EndEditing(bool cancel) {
    if (IsEditing()) Send(TVM_ENDEDITLABELNOW, cancel ? TRUE : FALSE);
}

void TCustomTreeView::Change(TTreeNode node) {
    if (OnChange) OnChange(this, node);
}

bool TCustomTreeView::HandleNotify(TMessage& m) {
    const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    switch (header->code) {
    case TVN_SELCHANGEDA:
        Change(reinterpret_cast<const NMTREEVIEWA*>(m.LParam)->itemNew.hItem);
        return true;
    case TVN_ITEMEXPANDINGA: {
        const auto* tv = reinterpret_cast<const NMTREEVIEWA*>(m.LParam);
        m.Result = (tv->action & TVE_EXPAND) && !CanExpand(tv->itemNew.hItem) ? TRUE : FALSE;
        return true;
    }
    case TVN_BEGINLABELEDITA:
        m.Result = readOnly_ ? TRUE : FALSE;
        return true;
    case TVN_ENDLABELEDITA: {
        const auto* info = reinterpret_cast<const NMTVDISPINFOA*>(m.LParam);
        // No text: the rename was cancelled.
        m.Result = info->item.pszText && Edited(info->item.hItem, info->item.pszText) ? TRUE : FALSE;
        return true;
    }
    case TVN_DELETEITEMA:
        Deletion(reinterpret_cast<const NMTREEVIEWA*>(m.LParam)->itemOld.hItem);
        return true;
    default:
        return false;
    }
}

void TCustomTreeView::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY && HandleNotify(m)) return;
    // While a rename runs, Enter and Esc belong to the edit, not to the form's buttons.
    if (m.Msg == CM_WANTSPECIALKEY && IsEditing()) {
        m.Result = 1;
        return;
    }
    TWinControl::WndProc(m);
}

}  // namespace pakmole
