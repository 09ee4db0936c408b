// Report-style list view: columns, rows of caption, sub-items and images, multiple selection and sorting by caption.
#pragma once

#include <string>
#include <vector>

#include "toolkit/controls/DragDrop.h"
#include "toolkit/controls/ListBorder.h"

class TImageList;

struct TListColumn {
    std::string Caption;
    int Width = 50;
    int ImageIndex = -1;  // shown on the right of the header caption
};

// One row as the list holds it.
struct TListRow {
    std::string Caption;
    std::vector<std::string> SubItems;
    int ImageIndex = -1;
    int StateIndex = -1;  // picture of the state image list in front of the row, -1 for none
};

using TColumnClickEvent = TMethod<void(TComponent* sender, int column)>;

class TListView : public TWithBorderStyle<TWinControl>, public TDragTarget {
public:
    explicit TListView(TComponent* owner);
    const char* ClassName() const override { return "TListView"; }

    void AddColumn(const std::string& caption, int width);
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    // The current width (as the user dragged it).
    int ColumnWidth(int column);
    void SetColumnWidth(int column, int width);
    int ColumnImage(int column) const { return columns_.at(static_cast<size_t>(column)).ImageIndex; }
    void SetColumnImage(int column, int imageIndex);

    void SetSmallImages(TImageList* images);
    void SetStateImages(TImageList* images);
    void SetMultiSelect(bool multiSelect) { multiSelect_ = multiSelect; }
    void SetRowSelect(bool rowSelect) { rowSelect_ = rowSelect; }
    void SetFlatScrollBars(bool flat) { flatScrollBars_ = flat; }

    int Count() const { return static_cast<int>(rows_.size()); }
    const TListRow& Row(int index) const { return rows_.at(static_cast<size_t>(index)); }
    // Appends a row, or places it after the rows whose captions do not sort after it when sorted by text.
    // Returns where it went.
    int Add(TListRow row);
    void Delete(int index);
    void Clear();

    bool Selected(int index);
    void SetSelected(int index, bool selected);
    // The first selected row at or after `from`, -1 for none.
    int NextSelected(int from = 0);
    int SelCount();
    void SelectAll();

    // Rows in ascending lstrcmpA order of their captions while on; turning it off keeps the order.
    bool SortedByText() const { return sortedByText_; }
    void SetSortedByText(bool sorted);

    // Stops redrawing until the matching EndUpdate.
    void BeginUpdate();
    void EndUpdate();

    TColumnClickEvent OnColumnClick;
    TNotifyEvent OnDblClick;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;

    bool DragOver(TComponent* source, int x, int y) override;
    void DragDrop(TComponent* source, int x, int y) override;

protected:
    void CreateParams(TCreateParams& params) override;
    // Sunken with Ctl3D, a plain line without it.
    void Ctl3DLookChanged() override { ChangeBorder(Ctl3D()); }
    void InitializeWindow() override;
    void SavingWindowState() override;
    void WndProc(TMessage& message) override;
    void NotifyReflected(TMessage& message) override;

private:
    void InsertColumnWindow(int column);
    void InsertRowWindow(int index);
    void ApplyImageList(int which, TImageList* images);
    void ApplyColumnImage(int column);
    HWND HeaderWindow();
    void SetRowState(int index, bool selected);

    std::vector<TListColumn> columns_;
    std::vector<TListRow> rows_;
    std::vector<bool> savedSelection_;  // selection kept while there is no window
    TImageList* smallImages_ = nullptr;
    TImageList* stateImages_ = nullptr;
    bool multiSelect_ = false;
    bool rowSelect_ = false;
    bool flatScrollBars_ = false;
    bool sortedByText_ = false;
    int updateCount_ = 0;
};
