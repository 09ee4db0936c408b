// Common part of the list box and the combo box: a list of texts and a selected index, kept in the window too.
#include "toolkit/controls/ItemsControl.h"

TItemsControl::TItemsControl(TComponent* owner, const TItemMessages& messages)
    : TWinControl(owner), messages_(messages), items_(this) {
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

int TItemsControl::ItemIndex() const {
    if (!HandleAllocated()) return itemIndex_;
    return static_cast<int>(SendMessageA(const_cast<TItemsControl*>(this)->Handle(), messages_.GetCurSel, 0, 0));
}

void TItemsControl::SetItemIndex(int index) {
    itemIndex_ = (index >= 0 && index < items_.Count()) ? index : -1;
    if (HandleAllocated()) SendMessageA(Handle(), messages_.SetCurSel, static_cast<WPARAM>(itemIndex_), 0);
}

void TItemsControl::InitializeWindow() {
    for (int i = 0; i < items_.Count(); ++i)
        SendMessageA(Handle(), messages_.Insert, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(items_[i].c_str()));
    SendMessageA(Handle(), messages_.SetCurSel, static_cast<WPARAM>(itemIndex_), 0);
}

void TItemsControl::SavingWindowState() { itemIndex_ = ItemIndex(); }

void TItemsControl::StringInserted(int index, const std::string& text) {
    if (!HandleAllocated()) {
        if (itemIndex_ >= index) ++itemIndex_;
        return;
    }
    SendMessageA(Handle(), messages_.Insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void TItemsControl::StringDeleted(int index) {
    if (!HandleAllocated()) {
        if (itemIndex_ == index) itemIndex_ = -1;
        if (itemIndex_ > index) --itemIndex_;
        return;
    }
    SendMessageA(Handle(), messages_.Delete, static_cast<WPARAM>(index), 0);
}

void TItemsControl::StringsCleared() {
    itemIndex_ = -1;
    if (HandleAllocated()) SendMessageA(Handle(), messages_.Reset, 0, 0);
}
