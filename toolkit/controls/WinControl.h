// A control with a window of its own: created on demand, holds child controls, takes the focus.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/controls/Control.h"
#include "toolkit/graphics/PenBrush.h"

// What CreateWindowEx receives; controls fill it in CreateParams.
struct TCreateParams {
    std::string WindowClass;  // a system class ("BUTTON") or the toolkit's own window class
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND Parent = nullptr;  // the parent of a child window, the owner of a top-level one
    HMENU Id = nullptr;     // child window id
};

// The class name of windows that the toolkit draws itself (forms).
extern const char* const kToolkitWindowClass;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    const char* ClassName() const override { return "TWinControl"; }

    // The window, created (with the parent's, and with all child windows) on first use.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys and creates the window again, keeping the control's state.
    void RecreateWnd();
    // The control that owns a window, or nullptr.
    static TWinControl* FindControl(HWND window);

    // Child controls, windowed and graphic, in insertion order.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    // True for the control itself and for any control inside it at any depth.
    bool ContainsControl(const TControl* control) const;
    // The topmost visible graphic child under a point of the client area.
    TControl* ControlAtPos(POINT point) const;

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    // Windowed controls of this subtree in tab order, depth first (containers before their children).
    void GetTabOrderList(std::vector<TWinControl*>& list);

    virtual bool Focused() const { return handle_ != nullptr && GetFocus() == handle_; }
    // The control and every parent are visible and enabled.
    virtual bool CanFocus() const;
    virtual void SetFocus();

    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool ctl3D);
    // Brush in the control's colour, used for its background.
    TBrush& Brush() { return brush_; }

    std::string Text() const override;
    void SetText(const std::string& text) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    RECT ClientRect() override;
    void Invalidate() override;
    void Update() override;

    // Paints the visible graphic children into a device context of this window.
    void PaintControls(HDC dc);

    TKeyEvent OnKeyDown;

protected:
    virtual void CreateParams(TCreateParams& params);
    // Creates the window and then the windows of all child controls.
    virtual void CreateWnd();
    // Called after the window exists, before the children's windows: push state into it.
    virtual void InitializeWindow() {}
    // Called before the window is destroyed: read back state that lives in it.
    virtual void SavingWindowState() {}
    // A WM_COMMAND notification of this control, reflected from its parent.
    virtual void CommandNotify(WORD) {}
    // A WM_NOTIFY notification of this control, reflected from its parent; the result starts at 0.
    virtual void NotifyReflected(TMessage&) {}
    // A key pressed while this control has the focus (after the form's preview).
    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    // Paints what the control draws itself (own window class only).
    virtual void PaintWindow(HDC) {}
    // Whether the window is of the toolkit's own class (drawn and erased here) rather than a system one.
    virtual bool OwnWindowClass() const { return false; }
    // Whether WM_ERASEBKGND fills the client area with the control's brush (always for the own class).
    virtual bool ErasesWithBrush() const { return OwnWindowClass(); }
    // The border and look that depend on Ctl3D; controls that have such a border recreate their window.
    virtual void Ctl3DLookChanged() {}

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void FontAttributesChanged() override;
    void ColorAttributesChanged() override;
    void DestroyHandle();
    // Tells the form that this control has the focus now.
    void FocusArrived();

private:
    friend class TControl;
    friend class TApplication;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void Attach(HWND window);
    void Detach();
    void UpdateBoundsFromWindow();
    bool ReflectToChild(TMessage& message, HWND child);
    // WndProc's switch to the message handlers below: true when the message is done, false to pass it on
    // to TControl.
    bool RouteToHandler(TMessage& message);
    bool WMSetFocus(TMessage& message);
    bool WMKillFocus(TMessage& message);
    bool ReflectFromChild(TMessage& message);
    bool WMNotify(TMessage& message);
    bool WMDrawItem(TMessage& message);
    bool WMMeasureItem(TMessage& message);
    bool WMDeleteItem(TMessage& message);
    bool WMCompareItem(TMessage& message);
    bool WMParentNotify(TMessage& message);
    bool CNCtlColor(TMessage& message);
    bool CNCommand(TMessage& message);
    bool CNNotify(TMessage& message);
    bool HandleDialogKey(TMessage& message);
    bool HandleKeyDown(TMessage& message);
    bool HandlePaint(TMessage& message);
    bool WMEraseBkgnd(TMessage& message);
    bool RouteMouse(TMessage& message);
    bool WMMouseLeave(TMessage& message);
    bool WMSetText(TMessage& message);
    bool WMWindowPosChanged(TMessage& message);
    bool HandleSetCursor(TMessage& message);
    bool CMInvalidate(TMessage& message);
    bool CMCtl3DChanged(TMessage& message);
    // The window procedure and the map of windows to controls that it reads (WindowProcedure.cpp).
    static LRESULT CALLBACK StdWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void MapWindow(HWND window, TWinControl* control);
    static void UnmapWindow(HWND window);
    // Attaches a window being created to its control (WinControlWindow.cpp, with Attach, Detach and CreateWnd).
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    WNDPROC defaultProc_ = nullptr;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    TControl* captureControl_ = nullptr;
    bool tabStop_ = false;
    bool ctl3D_ = true;
    bool trackingMouse_ = false;
    TBrush brush_;
};

TShiftState KeyboardShiftState();
