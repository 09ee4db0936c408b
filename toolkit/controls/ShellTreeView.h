// Folder tree over the shell namespace rooted at the desktop: folders and files with their system icons.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/controls/ListBorder.h"
#include "toolkit/system/WinGuards.h"

class TShellTreeView : public TWithBorderStyle<TWinControl> {
public:
    explicit TShellTreeView(TComponent* owner);
    ~TShellTreeView() override;
    const char* ClassName() const override { return "TShellTreeView"; }

    // The file-system path of the selected node; "" when nothing is selected or the node is virtual.
    std::string Path();
    // Opens the nodes down to a file or folder and selects it; false when it is not reachable.
    bool SelectPath(const std::string& path);
    // Reads the tree again from the desktop, then selects the node that was selected (or its nearest
    // remaining folder).
    void Refresh();

    TNotifyEvent OnDblClick;

protected:
    void CreateParams(TCreateParams& params) override;
    // Sunken with Ctl3D, a plain line without it.
    void Ctl3DLookChanged() override { ChangeBorder(Ctl3D()); }
    void InitializeWindow() override;
    void SavingWindowState() override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void NotifyReflected(TMessage& message) override;

private:
    struct TNode;

    void InsertRoot();
    // Adds the children of a node once; false when it has none.
    bool Populate(HTREEITEM item);
    HTREEITEM InsertNode(HTREEITEM parent, TPidl pidl, bool hasChildren);
    TNode* NodeOf(HTREEITEM item);
    std::string NodePath(HTREEITEM item);
    HTREEITEM FindPath(HTREEITEM item, const std::string& path, bool throughVirtual);

    // Declared in the order they are needed: COM, then what lives in it; they go in reverse.
    TComInitialization com_;
    TComRef<IShellFolder> desktop_;
    TPidl drivesPidl_;
    std::vector<std::unique_ptr<TNode>> nodes_;
    std::string savedPath_;
};
