// Common part of the list box and the combo box: a list of texts and a selected index, kept in the window too.
#pragma once

#include "toolkit/core/Strings.h"
#include "toolkit/controls/WinControl.h"

// The messages by which one system list class inserts, deletes, empties and selects.
struct TItemMessages {
    UINT Insert;
    UINT Delete;
    UINT Reset;
    UINT SetCurSel;
    UINT GetCurSel;
};

class TItemsControl : public TWinControl, protected TStringsHost {
public:
    // The items stay available with or without a window.
    TStrings& Items() { return items_; }
    // The selected item, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);

protected:
    TItemsControl(TComponent* owner, const TItemMessages& messages);
    void InitializeWindow() override;
    void SavingWindowState() override;
    void StringInserted(int index, const std::string& text) override;
    void StringDeleted(int index) override;
    void StringsCleared() override;

private:
    TItemMessages messages_;
    TStrings items_;
    int itemIndex_ = -1;
};
