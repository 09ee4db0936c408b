// The application: hidden application window with its hook list, the message loop and idle notification.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/controls/ApplicationLink.h"
#include "toolkit/core/Component.h"
#include "toolkit/system/Messages.h"

class TApplicationEvents;
class TControl;
class TForm;
class TScreen;

// A hook on the application window; returning true ends the message's handling there.
using TWindowHook = TMethod<bool(TMessage&)>;

class TApplication : public TComponent, public TApplicationLink {
public:
    TApplication();
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    // Registers the window classes, loads the common controls and creates the application window.
    void Initialize();
    HWND Handle() const { return handle_; }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // Creates a form owned by the application; the first form created becomes the main form.
    template <class F>
    F* CreateForm(F*& reference) {
        reference = new F(this);
        if (mainForm_ == nullptr) mainForm_ = reference;
        return reference;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and runs the message loop until Terminate.
    void Run();
    // Handles one message, or runs the idle notification and waits when there is none.
    void HandleMessage();
    // Handles every pending message without waiting.
    void ProcessMessages();
    // Handles one pending message; false when there was none.
    bool ProcessMessage();
    // Runs the idle listeners; true when they all leave "done" set (the loop may then wait).
    bool Idle();
    void Terminate();
    bool Terminated() const { return terminated_; }

    void Minimize();
    void Restore();

    // Hooks run in order, for every message of the application window, before its own handling.
    void HookMainWindow(const TWindowHook& hook);
    void UnhookMainWindow(const TWindowHook& hook);

    // Shows the exception being handled, of any type, as an error box with its text (call inside a catch
    // block); never throws.
    void HandleException() override;

    // The control under the mouse; changing it sends CM_MOUSELEAVE and CM_MOUSEENTER.
    TControl* MouseControl() const override { return mouseControl_; }
    void SetMouseControl(TControl* control) override;
    void ControlDestroyed(TControl* control) override;

    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TApplicationEvents;
    void AddEvents(TApplicationEvents* events);
    void RemoveEvents(TApplicationEvents* events);
    void WndProc(TMessage& message);
    bool IsKeyMessage(const MSG& msg);
    static LRESULT CALLBACK AppWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    std::string title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::vector<TWindowHook> hooks_;
    std::vector<TApplicationEvents*> events_;
    TControl* mouseControl_ = nullptr;
    std::unique_ptr<TScreen> screen_;
};

extern TApplication* Application;
