// Main and popup menus: items with captions, sub-menus, separators, enabled state and keyboard shortcuts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/core/Component.h"
#include "toolkit/core/Events.h"
#include "toolkit/controls/ContextMenu.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/WindowProcHook.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/Messages.h"
#include "toolkit/system/WinGuards.h"

class TControl;
class TForm;
class TImageList;
class TMenu;

// An owner-drawn item is measured (width and height come in as 0 and are set by the handler) and painted on
// the canvas in its rectangle; selected is the highlighted state.
using TMenuMeasureItemEvent = TMethod<void(TComponent* sender, TCanvas& canvas, int& width, int& height)>;
using TMenuDrawItemEvent = TMethod<void(TComponent* sender, TCanvas& canvas, RECT rect, bool selected)>;

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
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // A checked radio item shows a dot instead of a tick.
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radioItem);
    // The item drawn in bold that a double click on its menu runs.
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    // Picture from the menu's (or the parent's SubMenuImages) image list; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // A picture of the item's own, used when no image list picture applies; created on first use.
    TBitmap& Bitmap();
    bool HasBitmap() const { return bitmap_ != nullptr && bitmap_->Width() > 0; }
    // Image list for the pictures of this item's sub-items (not owned).
    TImageList* SubMenuImages() const { return subMenuImages_; }
    void SetSubMenuImages(TImageList* images);
    // The list that holds the item's picture (the parent's SubMenuImages, else the menu's Images), or nullptr
    // when there is none or the index lies outside it.
    TImageList* ImageSource() const;

    // Sub-items in order; the item does not own them (their owner does).
    void Add(TMenuItem* item);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    TMenuItem* Parent() const { return parent_; }
    // Position among the parent's sub-items, -1 without parent.
    int MenuIndex() const;
    // The menu whose tree holds the item, or nullptr.
    TMenu* GetParentMenu() const;
    // The system menu holding this item's sub-items while one is built (a menu bar, a shown pop-up or one
    // of their sub-menus); nullptr otherwise.
    HMENU Handle() const { return handle_; }
    // The number the item is known by in WM_COMMAND.
    UINT Command() const { return command_; }

    // Runs OnClick when the item and every parent are enabled.
    void Click();
    TNotifyEvent OnClick;
    // Used while the menu is owner-drawn; kept across every rebuild of the system menu.
    TMenuDrawItemEvent OnDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

private:
    friend class TMenu;
    void Changed();
    void AppendTo(HMENU menu, bool ownerDraw);
    void ClearHandles();
    const TMenuItem* Find(const TMenuItem* item) const;
    TMenuItem* FindCommand(UINT command);
    TMenuItem* FindShortCut(TShortCut shortCut);
    bool EnabledWithParents() const;

    std::string caption_;
    TShortCut shortCut_ = scNone;
    bool enabled_ = true;
    bool checked_ = false;
    bool radioItem_ = false;
    bool default_ = false;
    int imageIndex_ = -1;
    std::unique_ptr<TBitmap> bitmap_;
    TImageList* subMenuImages_ = nullptr;
    HMENU handle_ = nullptr;
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

    // Items are drawn by their OnDrawItem / OnMeasureItem (or plainly when unassigned) instead of the system.
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool ownerDraw);
    // Pictures of the top-level items (not owned).
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    // Right-to-left reading.
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    bool IsRightToLeft() const { return biDiMode_ != bdLeftToRight; }
    // The root's system menu while one is built, else nullptr.
    HMENU Handle() const { return root_->handle_; }

    // WM_MEASUREITEM / WM_DRAWITEM of one of this menu's items: runs its event (or the plain look), or in a
    // system-drawn menu sizes or draws the item's picture, and marks the message handled. False for other
    // messages and other menus' items.
    bool DispatchOwnerDraw(TMessage& message);

protected:
    friend class TMenuItem;
    // An item's caption, shortcut, state, pictures or sub-items changed.
    virtual void ItemsChanged() {}
    // A new system menu (menu bar or pop-up) built from the items; items know their handles until
    // ForgetHandles.
    TMenuHandle BuildHandle(bool popup);
    void ForgetHandles() { root_->ClearHandles(); }

private:
    // WM_MEASUREITEM / WM_DRAWITEM for the picture beside an item of a system-drawn menu.
    bool DispatchPicture(TMessage& message);

    TMenuItem* root_;
    bool ownerDraw_ = false;
    TImageList* images_ = nullptr;
    TBiDiMode biDiMode_ = bdLeftToRight;
};

// The menu bar of a form; it hooks the form's window procedure for its commands.
class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    const char* ClassName() const override { return "TMainMenu"; }

    void AttachTo(TForm* form);
    TForm* Form() const { return form_; }
    // The bar is tracking: its menu loop runs (keyboard or mouse), not a popup's.
    bool Tracking() const { return tracking_; }

protected:
    void ItemsChanged() override;

private:
    void FormWndProc(TMessage& message);
    void Install();

    TForm* form_ = nullptr;
    bool tracking_ = false;
    TWindowProcHook hook_;
    TMenuHandle handle_;
};

class TPopupMenu : public TMenu, public TContextMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    const char* ClassName() const override { return "TPopupMenu"; }

    // Shows the menu at a screen point and runs the chosen item. While it shows, the items know their
    // system menus and owner-drawn items are measured and drawn through the owner form.
    void Popup(int x, int y) override;

private:
    void OwnerWndProc(TMessage& message);
    TWindowProcHook ownerHook_;
};

// A key pressed in a form: offered to the popup menu of the focused control first, then to the main menu.
// True when an item took it.
bool DispatchShortCut(TMainMenu* mainMenu, std::uint16_t key, TShiftState shift);
