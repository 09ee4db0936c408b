// A top-level window built in code: border, position, key preview, modal showing and its events.
#pragma once

#include <cstdint>

#include "toolkit/controls/BorderStyle.h"
#include "toolkit/controls/ControlCanvas.h"
#include "toolkit/controls/ModalResult.h"
#include "toolkit/controls/CustomForm.h"
#include "toolkit/controls/WinControl.h"

enum TBorderIcon : unsigned { biSystemMenu = 1u << 0, biMinimize = 1u << 1, biMaximize = 1u << 2 };
using TBorderIcons = unsigned;

enum TPosition { poDesigned, poScreenCenter, poMainFormCenter };

class TForm : public TCustomForm {
public:
    // Starts the layout: the derived constructor creates the controls, then calls FinishLayout.
    explicit TForm(TComponent* owner);
    ~TForm() override;
    const char* ClassName() const override { return "TForm"; }

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    // The form's OnKeyDown sees each key before the focused control.
    bool KeyPreview() const override { return keyPreview_; }
    void SetKeyPreview(bool keyPreview) { keyPreview_ = keyPreview; }
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    RECT ClientRect() override;
    // The smallest outer size the user can drag the window to; 0 = no limit.
    void SetMinimumSize(int width, int height);
    // The icon of the caption (borrowed: a shared resource icon).
    void SetIcon(HICON icon);

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) override { modalResult_ = result; }
    bool IsModal() const { return modal_; }
    // Shows the form and runs its own message loop until ModalResult is set or the form is closed;
    // every other form is disabled meanwhile.
    TModalResult ShowModal();
    // Modal: ends the loop with mrCancel. Otherwise OnClose decides; closing the main form ends the application.
    void Close();
    bool Active() const;

    TCanvas& Canvas() { return canvas_; }
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    void SetVisible(bool visible) override;
    bool Showing() const override { return visible_; }

    // Tab and Shift+Tab move the focus, Enter clicks the focused or default button, Esc the cancel button.
    bool DialogKey(std::uint16_t key) override;
    void SelectNext(TWinControl* current, bool forward);

    TNotifyEvent OnCreate;
    // Runs each time the form is shown, before it becomes visible.
    TNotifyEvent OnShow;
    // Runs when the form becomes the application's active form.
    TNotifyEvent OnActivate;
    TCloseEvent OnClose;

protected:
    // Ends the layout: Loaded on every component, then OnCreate.
    void FinishLayout();
    // Draws on Canvas under the controls.
    virtual void Paint() {}

    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void PaintWindow(HDC dc) override;
    bool OwnWindowClass() const override { return true; }

private:
    friend class TWinControl;
    void RememberActiveControl(TWinControl* control) override { activeControl_ = control; }
    void FocusChanged(TWinControl* control) override;
    void ControlLeaving(TControl* control) override;
    void FocusActiveControl();
    void DoClose(TCloseAction& action);
    // Handles messages until ModalResult is set and OnClose lets the form go.
    void RunModalLoop();
    void PlaceOnShow();
    DWORD WindowStyle() const;
    DWORD WindowExStyle() const;

    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = poDesigned;
    bool keyPreview_ = false;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    int minWidth_ = 0;
    int minHeight_ = 0;
    HICON icon_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TControlCanvas canvas_;
};
