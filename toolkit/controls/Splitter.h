// Vertical bar between two panes: dragging it changes the width of the pane on its left.
#pragma once

#include "toolkit/controls/WinControl.h"

class TSplitter : public TWinControl {
public:
    explicit TSplitter(TComponent* owner);
    const char* ClassName() const override { return "TSplitter"; }

    // The pane whose width the bar sets.
    void SetControl(TControl* control) { control_ = control; }

    // Runs after each width change, so the owner can lay the panes out again.
    TNotifyEvent OnMoved;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    bool OwnWindowClass() const override { return true; }

private:
    TControl* control_ = nullptr;
    static constexpr int kMinSize = 30;  // neither pane gets narrower while dragging
    int dragStartX_ = 0;
    int startWidth_ = 0;
    bool dragging_ = false;
};
