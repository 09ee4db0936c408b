// Report-style list view: columns, rows of caption, sub-items and images, multiple selection and sorting by caption.
#include "toolkit/controls/ListView.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/graphics/ImageList.h"
#include "toolkit/controls/ContextMenu.h"

namespace {

bool CaptionBefore(const TListRow& a, const TListRow& b) { return lstrcmpA(a.Caption.c_str(), b.Caption.c_str()) < 0; }

}  // namespace

TListView::TListView(TComponent* owner) : TWithBorderStyle(owner) {
    width_ = 250;
    height_ = 150;
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

void TListView::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = WC_LISTVIEWA;
    params.Style |= LVS_REPORT | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS | WS_TABSTOP;
    if (!multiSelect_) params.Style |= LVS_SINGLESEL;
    AddBorder(params, Ctl3D());
}

void TListView::InitializeWindow() {
    DWORD extended = 0;
    if (rowSelect_) extended |= LVS_EX_FULLROWSELECT;
    if (flatScrollBars_) extended |= LVS_EX_FLATSB;
    SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    ApplyImageList(LVSIL_SMALL, smallImages_);
    ApplyImageList(LVSIL_STATE, stateImages_);
    for (int c = 0; c < ColumnCount(); ++c) InsertColumnWindow(c);
    SendMessageA(Handle(), LVM_SETITEMCOUNT, rows_.size(), 0);
    for (int i = 0; i < Count(); ++i) {
        InsertRowWindow(i);
        if (static_cast<size_t>(i) < savedSelection_.size() && savedSelection_[static_cast<size_t>(i)])
            SetRowState(i, true);
    }
    savedSelection_.clear();
}

void TListView::SavingWindowState() {
    savedSelection_.assign(rows_.size(), false);
    for (int c = 0; c < ColumnCount(); ++c) columns_[static_cast<size_t>(c)].Width = ColumnWidth(c);
    for (int i = NextSelected(0); i >= 0; i = NextSelected(i + 1)) savedSelection_[static_cast<size_t>(i)] = true;
}

void TListView::InsertColumnWindow(int column) {
    const TListColumn& c = columns_[static_cast<size_t>(column)];
    LVCOLUMNA lvc{};
    lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    lvc.fmt = LVCFMT_LEFT;
    lvc.cx = c.Width;
    lvc.pszText = const_cast<char*>(c.Caption.c_str());
    SendMessageA(Handle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&lvc));
    ApplyColumnImage(column);
}

HWND TListView::HeaderWindow() { return reinterpret_cast<HWND>(SendMessageA(Handle(), LVM_GETHEADER, 0, 0)); }

void TListView::ApplyColumnImage(int column) {
    if (!HandleAllocated()) return;
    HWND header = HeaderWindow();
    if (header == nullptr) return;
    int image = columns_[static_cast<size_t>(column)].ImageIndex;
    if (smallImages_ != nullptr) SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(smallImages_->Handle()));
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt &= ~(HDF_IMAGE | HDF_BITMAP_ON_RIGHT);
    if (image >= 0) item.fmt |= HDF_IMAGE | HDF_BITMAP_ON_RIGHT;
    item.iImage = image;
    SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
}

void TListView::InsertRowWindow(int index) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.iImage = I_IMAGECALLBACK;
    const int state = rows_[static_cast<size_t>(index)].StateIndex;
    if (state >= 0) {
        // The window counts state pictures from 1 (0 is none).
        item.mask |= LVIF_STATE;
        item.state = INDEXTOSTATEIMAGEMASK(static_cast<UINT>(state) + 1);
        item.stateMask = LVIS_STATEIMAGEMASK;
    }
    SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void TListView::AddColumn(const std::string& caption, int width) {
    columns_.push_back(TListColumn{caption, width, -1});
    if (HandleAllocated()) InsertColumnWindow(ColumnCount() - 1);
}

int TListView::ColumnWidth(int column) {
    if (HandleAllocated())
        return static_cast<int>(SendMessageA(Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    return columns_.at(static_cast<size_t>(column)).Width;
}

void TListView::SetColumnWidth(int column, int width) {
    columns_.at(static_cast<size_t>(column)).Width = width;
    if (HandleAllocated()) SendMessageA(Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
}

void TListView::SetColumnImage(int column, int imageIndex) {
    columns_.at(static_cast<size_t>(column)).ImageIndex = imageIndex;
    ApplyColumnImage(column);
}

void TListView::SetSmallImages(TImageList* images) {
    smallImages_ = images;
    if (HandleAllocated()) ApplyImageList(LVSIL_SMALL, images);
}

void TListView::SetStateImages(TImageList* images) {
    stateImages_ = images;
    if (HandleAllocated()) ApplyImageList(LVSIL_STATE, images);
}

void TListView::ApplyImageList(int which, TImageList* images) {
    if (images != nullptr)
        SendMessageA(Handle(), LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(images->Handle()));
}

int TListView::Add(TListRow row) {
    auto at = sortedByText_ ? std::upper_bound(rows_.begin(), rows_.end(), row, CaptionBefore) : rows_.end();
    int index = static_cast<int>(at - rows_.begin());
    rows_.insert(at, std::move(row));
    if (HandleAllocated()) {
        InsertRowWindow(index);
    } else if (static_cast<size_t>(index) < savedSelection_.size()) {
        savedSelection_.insert(savedSelection_.begin() + index, false);
    }
    return index;
}

void TListView::Delete(int index) {
    rows_.erase(rows_.begin() + index);
    if (HandleAllocated()) {
        SendMessageA(Handle(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    } else if (static_cast<size_t>(index) < savedSelection_.size()) {
        savedSelection_.erase(savedSelection_.begin() + index);
    }
}

void TListView::Clear() {
    rows_.clear();
    savedSelection_.clear();
    if (HandleAllocated()) SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

bool TListView::Selected(int index) {
    if (!HandleAllocated())
        return static_cast<size_t>(index) < savedSelection_.size() && savedSelection_[static_cast<size_t>(index)];
    return (SendMessageA(Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void TListView::SetRowState(int index, bool selected) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TListView::SetSelected(int index, bool selected) {
    if (index < 0 || index >= Count()) return;
    if (HandleAllocated()) {
        SetRowState(index, selected);
        return;
    }
    savedSelection_.resize(rows_.size(), false);
    savedSelection_[static_cast<size_t>(index)] = selected;
}

int TListView::NextSelected(int from) {
    for (int i = std::max(from, 0); i < Count(); ++i) {
        if (!HandleAllocated()) {
            if (Selected(i)) return i;
            continue;
        }
        auto found = static_cast<int>(
            SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(i - 1), MAKELPARAM(LVNI_SELECTED, 0)));
        return found >= i ? found : -1;
    }
    return -1;
}

int TListView::SelCount() {
    if (HandleAllocated()) return static_cast<int>(SendMessageA(Handle(), LVM_GETSELECTEDCOUNT, 0, 0));
    return static_cast<int>(std::count(savedSelection_.begin(), savedSelection_.end(), true));
}

void TListView::SelectAll() {
    if (!multiSelect_) return;
    if (HandleAllocated()) {
        SetRowState(-1, true);
    } else {
        savedSelection_.assign(rows_.size(), true);
    }
}

void TListView::SetSortedByText(bool sorted) {
    sortedByText_ = sorted;
    if (!sorted || rows_.empty()) return;
    std::vector<std::pair<TListRow, bool>> keyed;
    keyed.reserve(rows_.size());
    for (int i = 0; i < Count(); ++i) keyed.emplace_back(std::move(rows_[static_cast<size_t>(i)]), Selected(i));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return CaptionBefore(a.first, b.first); });
    for (size_t i = 0; i < keyed.size(); ++i) rows_[i] = std::move(keyed[i].first);
    if (HandleAllocated()) {
        for (int i = 0; i < Count(); ++i) SetRowState(i, keyed[static_cast<size_t>(i)].second);
        InvalidateRect(Handle(), nullptr, TRUE);
    } else {
        savedSelection_.clear();
        for (const auto& k : keyed) savedSelection_.push_back(k.second);
    }
}

void TListView::BeginUpdate() {
    if (updateCount_++ == 0 && HandleAllocated()) SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListView::EndUpdate() {
    if (updateCount_ == 0 || --updateCount_ != 0 || !HandleAllocated()) return;
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool TListView::DragOver(TComponent* source, int x, int y) {
    bool accept = false;
    OnDragOver(this, source, x, y, accept);
    return accept;
}

void TListView::DragDrop(TComponent* source, int x, int y) { OnDragDrop(this, source, x, y); }

// Called when the list view notifies: rows' texts and pictures asked for, a column clicked, a double click.
void TListView::NotifyReflected(TMessage& message) {
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    switch (header->code) {
    case LVN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMLVDISPINFOA*>(message.LParam);
        int index = info->item.iItem;
        if (index < 0 || index >= Count()) return;
        const TListRow& row = rows_[static_cast<size_t>(index)];
        if (info->item.mask & LVIF_IMAGE) info->item.iImage = row.ImageIndex;
        if ((info->item.mask & LVIF_TEXT) && info->item.cchTextMax > 0) {
            int sub = info->item.iSubItem;
            const char* text = sub == 0 ? row.Caption.c_str() : "";
            if (sub > 0 && static_cast<size_t>(sub) <= row.SubItems.size()) text = row.SubItems[static_cast<size_t>(sub - 1)].c_str();
            lstrcpynA(info->item.pszText, text, info->item.cchTextMax);
        }
        return;
    }
    case LVN_COLUMNCLICK:
        OnColumnClick(this, reinterpret_cast<NMLISTVIEW*>(message.LParam)->iSubItem);
        return;
    case NM_DBLCLK:
        OnDblClick(this);
        return;
    default:
        return;
    }
}

void TListView::WndProc(TMessage& message) {
    if (ShowContextPopup(*this, message)) return;
    TWinControl::WndProc(message);
    // The header follows the list's width but repaints only what it gains, which keeps its old end line.
    if (message.Msg == WM_SIZE) {
        HWND header = HeaderWindow();
        if (header != nullptr) InvalidateRect(header, nullptr, FALSE);
    }
}
