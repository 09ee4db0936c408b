// Folder tree over the shell namespace rooted at the desktop: folders and files with their system icons.
#include "toolkit/controls/ShellTreeView.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>

#include "toolkit/controls/DragDrop.h"
#include "toolkit/core/Exception.h"
#include "toolkit/controls/ContextMenu.h"

struct TShellTreeView::TNode {
    TPidl Absolute;
    bool Populated = false;
};

namespace {

bool EqualNoCase(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// True when `path` lies below the folder `folder`.
bool IsBelow(const std::string& folder, const std::string& path) {
    if (folder.empty() || path.size() <= folder.size()) return false;
    std::string prefix = folder;
    if (prefix.back() != '\\') prefix += '\\';
    return path.size() > prefix.size() && EqualNoCase(path.substr(0, prefix.size()), prefix);
}

std::string DisplayName(IShellFolder* folder, LPCITEMIDLIST child) {
    STRRET name{};
    if (FAILED(folder->GetDisplayNameOf(child, SHGDN_NORMAL, &name))) return "";
    char buffer[MAX_PATH] = {};
    if (FAILED(StrRetToBufA(&name, child, buffer, sizeof buffer))) return "";
    return buffer;
}

int SystemIcon(LPCITEMIDLIST absolute, UINT extra) {
    SHFILEINFOA info{};
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute), 0, &info, sizeof info,
                   SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | extra);
    return info.iIcon;
}

}  // namespace

TShellTreeView::TShellTreeView(TComponent* owner) : TWithBorderStyle(owner) {
    width_ = 185;
    height_ = 200;
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    if (FAILED(SHGetDesktopFolder(desktop_.Out())) || !desktop_) throw Exception("Cannot open the desktop folder");
    ITEMIDLIST* drives = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives))) drivesPidl_.Reset(drives);
}

// The window goes first; the nodes, the desktop folder and COM follow as members.
TShellTreeView::~TShellTreeView() { DestroyHandle(); }

void TShellTreeView::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = WC_TREEVIEWA;
    params.Style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS | WS_TABSTOP;
    AddBorder(params, Ctl3D());
}

void TShellTreeView::InitializeWindow() {
    SHFILEINFOA info{};
    auto images = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    InsertRoot();
    if (!savedPath_.empty()) SelectPath(savedPath_);
}

void TShellTreeView::SavingWindowState() {
    savedPath_ = Path();
    nodes_.clear();
}

void TShellTreeView::InsertRoot() {
    ITEMIDLIST* root = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &root))) return;
    HTREEITEM item = InsertNode(TVI_ROOT, TPidl(root), true);
    SendMessageA(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

HTREEITEM TShellTreeView::InsertNode(HTREEITEM parent, TPidl pidl, bool hasChildren) {
    std::string name;
    if (parent == TVI_ROOT) {
        name = DisplayName(desktop_.Get(), pidl.Get());
    } else {
        SHFILEINFOA info{};
        SHGetFileInfoA(reinterpret_cast<LPCSTR>(pidl.Get()), 0, &info, sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME);
        name = info.szDisplayName;
    }
    auto node = std::make_unique<TNode>();
    node->Absolute = std::move(pidl);
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(name.c_str());
    insert.item.iImage = SystemIcon(node->Absolute.Get(), 0);
    insert.item.iSelectedImage = SystemIcon(node->Absolute.Get(), SHGFI_OPENICON);
    insert.item.cChildren = hasChildren ? 1 : 0;
    insert.item.lParam = reinterpret_cast<LPARAM>(node.get());
    nodes_.push_back(std::move(node));
    return reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

TShellTreeView::TNode* TShellTreeView::NodeOf(HTREEITEM item) {
    if (item == nullptr) return nullptr;
    TVITEMA tv{};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    if (!SendMessageA(Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv))) return nullptr;
    return reinterpret_cast<TNode*>(tv.lParam);
}

bool TShellTreeView::Populate(HTREEITEM item) {
    TNode* node = NodeOf(item);
    if (node == nullptr) return false;
    if (node->Populated) return SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)) != 0;
    node->Populated = true;
    TComRef<IShellFolder> folder;
    bool isDesktop = node->Absolute.Get()->mkid.cb == 0;
    if (isDesktop) {
        folder.Share(desktop_.Get());
    } else if (FAILED(desktop_->BindToObject(node->Absolute.Get(), nullptr, IID_IShellFolder,
                                             reinterpret_cast<void**>(folder.Out())))) {
        return false;
    }
    TComRef<IEnumIDList> list;
    if (folder->EnumObjects(Handle(), SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN, list.Out()) != S_OK ||
        list.Get() == nullptr)
        return false;
    struct TChild {
        TPidl Relative;
        bool Folder;
    };
    std::vector<TChild> children;
    ITEMIDLIST* child = nullptr;
    while (list->Next(1, &child, nullptr) == S_OK) {
        TPidl relative(child);
        ULONG attributes = SFGAO_FOLDER | SFGAO_STREAM;
        LPCITEMIDLIST query = relative.Get();
        if (FAILED(folder->GetAttributesOf(1, &query, &attributes))) attributes = 0;
        bool isFolder = (attributes & SFGAO_FOLDER) != 0 && (attributes & SFGAO_STREAM) == 0;
        children.push_back(TChild{std::move(relative), isFolder});
    }
    IShellFolder* f = folder.Get();
    std::stable_sort(children.begin(), children.end(), [f](const TChild& a, const TChild& b) {
        if (a.Folder != b.Folder) return a.Folder;
        return static_cast<short>(HRESULT_CODE(f->CompareIDs(0, a.Relative.Get(), b.Relative.Get()))) < 0;
    });
    for (TChild& c : children)
        InsertNode(item, TPidl(ILCombine(node->Absolute.Get(), c.Relative.Get())), c.Folder);
    if (children.empty()) {
        TVITEMA tv{};
        tv.mask = TVIF_CHILDREN;
        tv.hItem = item;
        tv.cChildren = 0;
        SendMessageA(Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
    }
    return !children.empty();
}

std::string TShellTreeView::NodePath(HTREEITEM item) {
    TNode* node = NodeOf(item);
    if (node == nullptr) return "";
    char buffer[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(node->Absolute.Get(), buffer)) return "";
    return buffer;
}

std::string TShellTreeView::Path() {
    if (!HandleAllocated()) return savedPath_;
    auto selected = reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
    return NodePath(selected);
}

HTREEITEM TShellTreeView::FindPath(HTREEITEM item, const std::string& path, bool throughVirtual) {
    if (!Populate(item)) return nullptr;
    HTREEITEM virtualDrives = nullptr;
    for (auto child = reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_CHILD,
                                                                reinterpret_cast<LPARAM>(item)));
         child != nullptr;
         child = reinterpret_cast<HTREEITEM>(
             SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)))) {
        std::string childPath = NodePath(child);
        if (!childPath.empty() && EqualNoCase(childPath, path)) return child;
        if (IsBelow(childPath, path)) {
            if (HTREEITEM found = FindPath(child, path, false)) return found;
        }
        TNode* node = NodeOf(child);
        if (throughVirtual && childPath.empty() && node != nullptr && drivesPidl_ &&
            desktop_->CompareIDs(0, node->Absolute.Get(), drivesPidl_.Get()) == 0)
            virtualDrives = child;
    }
    return virtualDrives != nullptr ? FindPath(virtualDrives, path, false) : nullptr;
}

bool TShellTreeView::SelectPath(const std::string& path) {
    std::string wanted = path;
    while (wanted.size() > 3 && wanted.back() == '\\') wanted.pop_back();
    auto root = reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_ROOT, 0));
    HTREEITEM found = wanted.empty() || root == nullptr ? nullptr : FindPath(root, wanted, true);
    if (found == nullptr) return false;
    SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(found));
    SendMessageA(Handle(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(found));
    return true;
}

void TShellTreeView::Refresh() {
    if (!HandleAllocated()) return;
    std::string selected = Path();
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    nodes_.clear();
    InsertRoot();
    while (!selected.empty() && !SelectPath(selected)) {
        size_t cut = selected.find_last_of('\\');
        if (cut == std::string::npos) break;
        std::string parent = selected.substr(0, cut);
        if (parent.size() == 2 && parent[1] == ':') parent += '\\';
        if (parent == selected) break;
        selected = parent;
    }
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    // Scrolled to while the tree did not redraw, the selection may still lie out of view.
    const auto caret = SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0);
    if (caret != 0) SendMessageA(Handle(), TVM_ENSUREVISIBLE, 0, caret);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TShellTreeView::NotifyReflected(TMessage& message) {
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    switch (header->code) {
    case TVN_ITEMEXPANDINGA: {
        auto* info = reinterpret_cast<NMTREEVIEWA*>(message.LParam);
        if (info->action & TVE_EXPAND) Populate(info->itemNew.hItem);
        return;
    }
    case TVN_BEGINDRAGA: {
        auto* info = reinterpret_cast<NMTREEVIEWA*>(message.LParam);
        SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(info->itemNew.hItem));
        TrackDrag(*this);
        return;
    }
    case NM_RCLICK: {
        TVHITTESTINFO hit{};
        GetCursorPos(&hit.pt);
        ::ScreenToClient(Handle(), &hit.pt);
        auto item = reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (item != nullptr) SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        // The menu opens here; the tree then sends no WM_CONTEXTMENU of its own.
        DWORD at = GetMessagePos();
        TMessage context{WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), static_cast<LPARAM>(at), 0};
        message.Result = ShowContextPopup(*this, context) ? 1 : 0;
        return;
    }
    case NM_DBLCLK:
        OnDblClick(this);
        return;
    default:
        return;
    }
}

void TShellTreeView::WndProc(TMessage& message) {
    if (!ShowContextPopup(*this, message)) TWinControl::WndProc(message);
}

// A tree has no Alt keys of its own: system keys go to the system (F10 and Alt open the menu bar, Shift+F10 the
// context menu, Alt+F4 closes), also under Wine, whose tree takes them as plain keys and passes none on.
void TShellTreeView::DefaultHandler(TMessage& message) {
    const bool systemKey = message.Msg == WM_SYSKEYDOWN || message.Msg == WM_SYSKEYUP;
    if (systemKey && HandleAllocated())
        message.Result = DefWindowProcA(Handle(), message.Msg, message.WParam, message.LParam);
    else
        TWinControl::DefaultHandler(message);
}
