#include "skin/controls/pathdialog/sShellTreeView.h"

#include <algorithm>
#include <vector>

#include "base/Exceptions.h"
#include "skin/controls/adapters/vlAdapterClasses.h"
#include "skin/controls/pathdialog/sShellTreeViewRoots.h"

namespace pakmole {
namespace {

const char* const kErrorSettingPath = "Error Setting Path";

std::wstring Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 1)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide;
}

// The item's place in the system's list of small images.
int ShellImage(LPCITEMIDLIST pidl) {
    SHFILEINFOA info{};
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(pidl), 0, &info, sizeof(info),
                   SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    return info.iIcon;
}

HIMAGELIST SystemSmallImages() {
    SHFILEINFOA info{};
    return reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

std::string ItemName(LPCITEMIDLIST absolute) {
    SHFILEINFOA info{};
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute), 0, &info, sizeof(info), SHGFI_PIDL | SHGFI_DISPLAYNAME);
    return info.szDisplayName;
}

}  // namespace

TsShellTreeView::TsShellTreeView(TComponent* owner)
    : TCustomTreeView(owner), skin_(this, "EDIT"), boundLabel_(std::make_unique<TsBoundLabel>(this)) {
    SHGetDesktopFolder(desktop_.Out());
}

TsShellTreeView::~TsShellTreeView() = default;

void TsShellTreeView::CreateHandleDone() {
    TCustomTreeView::CreateHandleDone();
    SendMessageA(handle_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(SystemSmallImages()));
    skin_.Attach<TvlTreeViewWnd>();
    Rebuild();
}

void TsShellTreeView::DestroyingHandle() {
    skin_.Detach();
    TCustomTreeView::DestroyingHandle();
}

void TsShellTreeView::SetRoot(const std::string& name) {
    if (!RootFolderByName(name)) throw Exception("Unknown root folder \"" + name + "\"");
    if (lstrcmpiA(name.c_str(), root_.c_str()) == 0) return;
    root_ = name;
    if (HandleAllocated()) Rebuild();
}

void TsShellTreeView::SetObjectTypes(TShellObjectTypes types) {
    if (types == objectTypes_) return;
    objectTypes_ = types;
    if (HandleAllocated()) Rebuild();
}

void TsShellTreeView::Rebuild() {
    Clear();
    nodes_.clear();
    TPidl rootPidl;
    const int csidl = RootFolderCsidl(*RootFolderByName(root_));
    if (FAILED(SHGetSpecialFolderLocation(handle_, csidl, rootPidl.Out())) || !rootPidl) return;
    TTreeNode top = AddChild(nullptr, ItemName(rootPidl.Get()), true, ShellImage(rootPidl.Get()));
    nodes_.emplace(top, Node{std::move(rootPidl)});
    Expand(top);
    RefreshScrollBars();
}

TComPtr<IShellFolder> TsShellTreeView::BindFolder(const TPidl& pidl) {
    TComPtr<IShellFolder> folder;
    if (!desktop_) return folder;
    if (pidl.Get()->mkid.cb == 0) {
        // The desktop is bound already.
        desktop_->QueryInterface(IID_IShellFolder, folder.OutVoid());
        return folder;
    }
    if (FAILED(desktop_->BindToObject(pidl.Get(), nullptr, IID_IShellFolder, folder.OutVoid()))) folder.Reset();
    return folder;
}

void TsShellTreeView::FillChildren(TTreeNode node) {
    auto found = nodes_.find(node);
    if (found == nodes_.end() || found->second.Filled) return;
    found->second.Filled = true;
    const TPidl& parent = found->second.Pidl;

    struct Child {
        TPidl Pidl;
        std::string Name;
        bool HasFolders;
    };
    std::vector<Child> children;
    TComPtr<IShellFolder> folder = BindFolder(parent);
    TComPtr<IEnumIDList> items;
    SHCONTF flags = SHCONTF_FOLDERS;
    if (objectTypes_ & otNonFolders) flags |= SHCONTF_NONFOLDERS;
    if (objectTypes_ & otHidden) flags |= SHCONTF_INCLUDEHIDDEN;
    if (folder && folder->EnumObjects(handle_, flags, items.Out()) == S_OK && items) {
        LPITEMIDLIST next = nullptr;
        ULONG fetched = 0;
        while (items->Next(1, &next, &fetched) == S_OK && fetched == 1) {
            TPidl relative(next);
            LPCITEMIDLIST one = relative.Get();
            SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
            if (FAILED(folder->GetAttributesOf(1, &one, &attributes))) attributes = 0;
            if ((objectTypes_ & otNonFolders) == 0 && (attributes & SFGAO_FOLDER) == 0) continue;
            children.push_back(Child{parent.Combine(one),
                                     ShellDisplayName(folder.Get(), one, SHGDN_INFOLDER | SHGDN_NORMAL),
                                     (attributes & SFGAO_HASSUBFOLDER) != 0});
        }
    }
    std::sort(children.begin(), children.end(),
              [](const Child& a, const Child& b) { return lstrcmpiA(a.Name.c_str(), b.Name.c_str()) < 0; });
    for (Child& child : children) {
        if (!child.Pidl) continue;
        TTreeNode item = AddChild(node, child.Name, child.HasFolders, ShellImage(child.Pidl.Get()));
        nodes_.emplace(item, Node{std::move(child.Pidl)});
    }
    if (children.empty()) SetHasChildren(node, false);
}

bool TsShellTreeView::CanExpand(TTreeNode node) {
    FillChildren(node);
    return true;
}

void TsShellTreeView::RefreshNode(TTreeNode node) {
    auto found = nodes_.find(node);
    if (found == nodes_.end()) return;
    DeleteChildren(node);
    found->second.Filled = false;
    SetHasChildren(node, true);
    FillChildren(node);
}

void TsShellTreeView::RefreshScrollBars() {
    if (auto* bars = dynamic_cast<TvlScrollWnd*>(skin_.Adapter())) bars->RefreshBars();
}

void TsShellTreeView::Deletion(TTreeNode node) { nodes_.erase(node); }

std::string TsShellTreeView::NodePath(TTreeNode node) {
    auto found = nodes_.find(node);
    if (!node || found == nodes_.end()) return {};
    return ShellDisplayName(desktop_.Get(), found->second.Pidl.Get(), SHGDN_FORPARSING);
}

TTreeNode TsShellTreeView::ChildOnWayTo(TTreeNode node, LPCITEMIDLIST target) {
    FillChildren(node);
    for (TTreeNode child : Children(node)) {
        LPCITEMIDLIST pidl = nodes_.at(child).Pidl.Get();
        if (ILIsEqual(pidl, target) || ILIsParent(pidl, target, FALSE)) return child;
    }
    return nullptr;
}

void TsShellTreeView::SetSelectedPath(const std::string& path) {
    char full[MAX_PATH * 2] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof(full), full, nullptr);
    if (length == 0 || length >= sizeof(full) || !desktop_) throw Exception(kErrorSettingPath);
    std::wstring name = Wide(full);
    TPidl target;
    ULONG eaten = 0;
    if (FAILED(desktop_->ParseDisplayName(Handle(), nullptr, name.data(), &eaten, target.Out(), nullptr)) ||
        !target)
        throw Exception(kErrorSettingPath);
    TTreeNode node = TopItem();
    if (node && !ILIsEqual(nodes_.at(node).Pidl.Get(), target.Get()) &&
        !ILIsParent(nodes_.at(node).Pidl.Get(), target.Get(), FALSE))
        node = nullptr;
    while (node && !ILIsEqual(nodes_.at(node).Pidl.Get(), target.Get())) {
        TTreeNode next = ChildOnWayTo(node, target.Get());
        if (next) Expand(node);
        node = next;
    }
    if (!node) throw Exception(kErrorSettingPath);
    Select(node);
    RefreshScrollBars();
}

bool TsShellTreeView::Edited(TTreeNode node, const std::string& text) {
    auto found = nodes_.find(node);
    if (found == nodes_.end() || text.empty()) return false;
    Node& item = found->second;
    TComPtr<IShellFolder> parent;
    LPCITEMIDLIST last = nullptr;
    if (FAILED(SHBindToParent(item.Pidl.Get(), IID_IShellFolder, parent.OutVoid(), &last))) return false;
    std::wstring name = Wide(text);
    LPITEMIDLIST renamed = nullptr;
    if (FAILED(parent->SetNameOf(handle_, last, name.c_str(), SHGDN_INFOLDER, &renamed)) || !renamed) return false;
    TPidl relative(renamed);
    TPidl folder = item.Pidl.Clone();
    ILRemoveLastID(folder.Get());
    item.Pidl = folder.Combine(relative.Get());
    // The children's ids named the old folder.
    DeleteChildren(node);
    item.Filled = false;
    SetHasChildren(node, true);
    return true;
}

void TsShellTreeView::WndProc(TMessage& m) {
    TCustomTreeView::WndProc(m);
    switch (m.Msg) {
    case CN_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(m.LParam)->code == TVN_ITEMEXPANDEDA) RefreshScrollBars();
        break;
    case WM_PAINT:
        // The platform redraws its bars as it lays out and paints the items.
        RefreshScrollBars();
        break;
    case WM_SIZE:
    case WM_MOVE:
        boundLabel_->AlignLabel();
        break;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
        boundLabel_->FollowControl();
        break;
    default:
        break;
    }
}

}  // namespace pakmole
