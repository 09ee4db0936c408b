// Owner-drawn menu items: measure and draw requests routed to the item's events, or the plain look; in
// system-drawn menus, the pictures beside the captions.
#include <algorithm>

#include "toolkit/graphics/ImageList.h"
#include "toolkit/menus/Menus.h"
#include "toolkit/forms/Screen.h"

namespace {

constexpr int kTextMargin = 8;
// Room on each side of a system-drawn item's picture: the caption begins right after the measured width.
constexpr int kPictureMargin = 4;

// The caption and shortcut of an item as the plain look shows them.
std::string ShortCutText(const TMenuItem& item) { return ShortCutToText(item.ShortCut()); }

void TakeMenuFont(TCanvas& canvas) {
    if (Screen != nullptr) canvas.Font().Assign(Screen->MenuFont());
}

void MeasurePlain(const TMenuItem& item, TCanvas& canvas, int& width, int& height) {
    if (item.IsLine()) {
        width = 0;
        height = GetSystemMetrics(SM_CYMENU) / 2;
        return;
    }
    std::string keys = ShortCutText(item);
    width = canvas.TextWidth(item.Caption()) + 2 * kTextMargin + (keys.empty() ? 0 : canvas.TextWidth(keys) + kTextMargin);
    height = std::max(GetSystemMetrics(SM_CYMENU), canvas.TextHeight("W") + 4);
}

void DrawPlain(const TMenuItem& item, TCanvas& canvas, RECT rect, bool selected) {
    canvas.Brush().SetColor(selected ? clHighlight : clMenu);
    canvas.FillRect(rect);
    if (item.IsLine()) {
        canvas.Pen().SetColor(clBtnShadow);
        int y = (rect.top + rect.bottom) / 2;
        canvas.MoveTo(rect.left + 2, y);
        canvas.LineTo(rect.right - 2, y);
        return;
    }
    canvas.Font().SetColor(!item.Enabled() ? clGrayText : selected ? clHighlightText : clMenuText);
    RECT text{rect.left + kTextMargin, rect.top, rect.right - kTextMargin, rect.bottom};
    canvas.DrawText(item.Caption(), text, DT_SINGLELINE | DT_VCENTER);
    std::string keys = ShortCutText(item);
    if (!keys.empty()) canvas.DrawText(keys, text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

// The picture of a system-drawn item, centred in the place the system gives it.
void DrawPicture(TImageList& list, int index, HDC dc, const RECT& rect) {
    TSavedDCState saved(dc);
    TCanvas canvas;
    canvas.SetHandle(dc);
    list.Draw(canvas, rect.left + (rect.right - rect.left - list.Width()) / 2,
              rect.top + (rect.bottom - rect.top - list.Height()) / 2, index);
    canvas.SetHandle(nullptr);
}

}  // namespace

bool TMenu::DispatchOwnerDraw(TMessage& message) {
    if (!ownerDraw_) return DispatchPicture(message);
    if (message.Msg == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        if (measure == nullptr || measure->CtlType != ODT_MENU) return false;
        auto* item = const_cast<TMenuItem*>(root_->Find(reinterpret_cast<const TMenuItem*>(measure->itemData)));
        if (item == nullptr || item == root_) return false;
        TMemoryDC dc(CreateCompatibleDC(nullptr));
        TCanvas canvas;
        canvas.SetHandle(dc.Get());
        TakeMenuFont(canvas);
        // A handler sizes the item from nothing; without one the plain look's size applies.
        int width = 0;
        int height = 0;
        if (item->OnMeasureItem) {
            item->OnMeasureItem(item, canvas, width, height);
        } else {
            MeasurePlain(*item, canvas, width, height);
        }
        canvas.SetHandle(nullptr);
        measure->itemWidth = static_cast<UINT>(std::max(width, 0));
        measure->itemHeight = static_cast<UINT>(std::max(height, 0));
        message.Result = TRUE;
        return true;
    }
    if (message.Msg == WM_DRAWITEM) {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        if (draw == nullptr || draw->CtlType != ODT_MENU) return false;
        auto* item = const_cast<TMenuItem*>(root_->Find(reinterpret_cast<const TMenuItem*>(draw->itemData)));
        if (item == nullptr || item == root_) return false;
        TSavedDCState saved(draw->hDC);
        TCanvas canvas;
        canvas.SetHandle(draw->hDC);
        TakeMenuFont(canvas);
        bool selected = (draw->itemState & ODS_SELECTED) != 0;
        if (item->OnDrawItem) {
            item->OnDrawItem(item, canvas, draw->rcItem, selected);
        } else {
            DrawPlain(*item, canvas, draw->rcItem, selected);
        }
        canvas.SetHandle(nullptr);
        message.Result = TRUE;
        return true;
    }
    return false;
}

bool TMenu::DispatchPicture(TMessage& message) {
    if (message.Msg != WM_MEASUREITEM && message.Msg != WM_DRAWITEM) return false;
    const bool measuring = message.Msg == WM_MEASUREITEM;
    auto* measure = measuring ? reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam) : nullptr;
    auto* draw = measuring ? nullptr : reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    if (measuring ? measure == nullptr || measure->CtlType != ODT_MENU : draw == nullptr || draw->CtlType != ODT_MENU)
        return false;
    const ULONG_PTR data = measuring ? measure->itemData : draw->itemData;
    const TMenuItem* item = root_->Find(reinterpret_cast<const TMenuItem*>(data));
    TImageList* list = item != nullptr ? item->ImageSource() : nullptr;
    if (list == nullptr) return false;
    if (measuring) {
        measure->itemWidth = static_cast<UINT>(list->Width() + 2 * kPictureMargin);
        measure->itemHeight = static_cast<UINT>(list->Height());
    } else {
        DrawPicture(*list, item->ImageIndex(), draw->hDC, draw->rcItem);
    }
    message.Result = TRUE;
    return true;
}
