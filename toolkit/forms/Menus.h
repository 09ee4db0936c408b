// Main and popup menus: items with captions, sub-menus, separators, enabled state and keyboard shortcuts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/core/Component.h"
#include "toolkit/core/Events.h"
#include "toolkit/system/Messages.h"
#include "toolkit/system/WinGuards.h"

class TControl;
class TForm;
class TMenu;

// A key and its modifiers in one number: the virtual key in the low byte.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(std::uint16_t key, TShiftState shift);
// The text a menu shows for a shortcut: "Ctrl+Del", "F6", "Alt+F4", "Enter".
std::string ShortCutToText(TShortCut shortCut);

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    const char* ClassName() const override { return "TMenuItem"; }

    // "-" makes the item a separator.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool IsLine() const { return caption_ == "-"; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Sub-items in order; the item does not own them (their owner does).
    void Add(TMenuItem* item);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    TMenuItem* Parent() const { return parent_; }
    // The number the item is known by in WM_COMMAND.
    UINT Command() const { return command_; }

    // Runs OnClick when the item and every parent are enabled.
    void Click();
    TNotifyEvent OnClick;

private:
    friend class TMenu;
    void Changed();
    void AppendTo(HMENU menu) const;
    TMenuItem* FindCommand(UINT command);
    TMenuItem* FindShortCut(TShortCut shortCut);
    bool EnabledWithParents() const;

    std::string caption_;
    TShortCut shortCut_ = scNone;
    bool enabled_ = true;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item only
    UINT command_;
};

// A tree of items under an invisible root; the system menu is built from it when needed.
class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    TMenuItem& Items() { return *root_; }
    // The first item (depth first, in order) with this shortcut decides: clicked when enabled.
    // True when it was clicked.
    bool IsShortCut(TShortCut shortCut);
    TMenuItem* FindCommand(UINT command) { return root_->FindCommand(command); }

protected:
    friend class TMenuItem;
    // An item's caption, shortcut, enabled state or sub-items changed.
    virtual void ItemsChanged() {}
    // A new system menu (menu bar or pop-up) built from the items.
    TMenuHandle BuildHandle(bool popup) const;

private:
    TMenuItem* root_;
};

// The menu bar of a form; it hooks the form's window procedure for its commands.
class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    const char* ClassName() const override { return "TMainMenu"; }

    void AttachTo(TForm* form);
    HMENU Handle() const { return handle_.Get(); }

protected:
    void ItemsChanged() override;

private:
    void FormWndProc(TMessage& message);
    void Install();

    TForm* form_ = nullptr;
    TWndMethod savedProc_;
    TMenuHandle handle_;
};

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    const char* ClassName() const override { return "TPopupMenu"; }

    // Shows the menu at a screen point and runs the chosen item.
    void Popup(int x, int y);
};

// WM_CONTEXTMENU of a control: shows its popup menu (at the mouse, or at the control's top-left corner
// for the keyboard's menu key) and marks the message handled. False for other messages or no menu.
bool ShowContextPopup(TControl& control, TMessage& message);

// A key pressed in a form: offered to the popup menu of the focused control first, then to the main menu.
// True when an item took it.
bool DispatchShortCut(TMainMenu* mainMenu, std::uint16_t key, TShiftState shift);
