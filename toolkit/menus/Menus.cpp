// Main and popup menus: items with captions, sub-menus, separators, enabled state and keyboard shortcuts.
#include "toolkit/menus/Menus.h"

#include <algorithm>

#include "toolkit/core/Exception.h"
#include "toolkit/forms/Form.h"
#include "toolkit/graphics/ImageList.h"

namespace {

UINT g_nextCommand = 0x1000;

struct TKeyName {
    std::uint16_t Key;
    const char* Name;
};

const TKeyName kKeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},  {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"},      {VK_HOME, "Home"},   {VK_LEFT, "Left"},
    {VK_UP, "Up"},      {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},  {VK_INSERT, "Ins"},  {VK_DELETE, "Del"},
};

}  // namespace

TShortCut ShortCut(std::uint16_t key, TShiftState shift) {
    if ((key & 0xFF00) != 0) return scNone;
    TShortCut result = key;
    if (shift & ssShift) result |= scShift;
    if (shift & ssCtrl) result |= scCtrl;
    if (shift & ssAlt) result |= scAlt;
    return result;
}

std::string ShortCutToText(TShortCut shortCut) {
    auto key = static_cast<std::uint16_t>(shortCut & 0xFF);
    std::string name;
    if (key >= VK_F1 && key <= VK_F24) {
        name = "F" + std::to_string(key - VK_F1 + 1);
    } else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        name = std::string(1, static_cast<char>(key));
    } else {
        for (const TKeyName& k : kKeyNames)
            if (k.Key == key) name = k.Name;
    }
    if (name.empty()) return "";
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(g_nextCommand++) {}

TMenuItem::~TMenuItem() {
    for (TMenuItem* child : items_) child->parent_ = nullptr;
    if (parent_ != nullptr) {
        auto& siblings = parent_->items_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        parent_->Changed();
    }
}

void TMenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
    shortCut_ = shortCut;
    Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    Changed();
}

void TMenuItem::SetRadioItem(bool radioItem) {
    radioItem_ = radioItem;
    Changed();
}

void TMenuItem::SetDefault(bool isDefault) {
    default_ = isDefault;
    Changed();
}

void TMenuItem::SetImageIndex(int index) {
    imageIndex_ = index;
    Changed();
}

TBitmap& TMenuItem::Bitmap() {
    if (bitmap_ == nullptr) bitmap_ = std::make_unique<TBitmap>();
    return *bitmap_;
}

void TMenuItem::SetSubMenuImages(TImageList* images) {
    subMenuImages_ = images;
    Changed();
}

TImageList* TMenuItem::ImageSource() const {
    if (imageIndex_ < 0 || parent_ == nullptr) return nullptr;
    const TMenu* menu = GetParentMenu();
    TImageList* list = parent_->subMenuImages_ != nullptr ? parent_->subMenuImages_
                       : menu != nullptr                  ? menu->Images()
                                                          : nullptr;
    return list != nullptr && imageIndex_ < list->Count() ? list : nullptr;
}

int TMenuItem::MenuIndex() const {
    if (parent_ == nullptr) return -1;
    const auto& siblings = parent_->items_;
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_ != nullptr) root = root->parent_;
    return root->menu_;
}

void TMenuItem::Add(TMenuItem* item) {
    if (item->parent_ != nullptr) throw Exception("Menu item inserted twice");
    item->parent_ = this;
    items_.push_back(item);
    Changed();
}

void TMenuItem::Click() {
    if (EnabledWithParents()) OnClick(this);
}

bool TMenuItem::EnabledWithParents() const {
    for (const TMenuItem* item = this; item != nullptr; item = item->parent_)
        if (!item->enabled_) return false;
    return true;
}

void TMenuItem::Changed() {
    const TMenuItem* root = this;
    while (root->parent_ != nullptr) root = root->parent_;
    if (root->menu_ != nullptr && !root->menu_->IsDestroying()) root->menu_->ItemsChanged();
}

void TMenuItem::AppendTo(HMENU menu, bool ownerDraw) {
    handle_ = menu;
    for (TMenuItem* item : items_) {
        std::string text = item->caption_;
        std::string keys = ShortCutToText(item->shortCut_);
        if (!keys.empty()) text += "\t" + keys;
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        info.wID = item->command_;
        // The item's address, looked up in the tree before use: a stale value finds nothing.
        info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
        info.fState = (item->enabled_ ? MFS_ENABLED : MFS_GRAYED) | (item->checked_ ? MFS_CHECKED : 0u) |
                      (item->default_ ? MFS_DEFAULT : 0u);
        if (ownerDraw) {
            info.fType = MFT_OWNERDRAW;
        } else if (item->IsLine()) {
            info.fType = MFT_SEPARATOR;
        } else {
            info.fType = MFT_STRING;
            info.fMask |= MIIM_STRING;
            info.dwTypeData = text.data();
            // The system asks the owner window to measure and draw the picture (TMenu::DispatchOwnerDraw).
            if (item->ImageSource() != nullptr) {
                info.fMask |= MIIM_BITMAP;
                info.hbmpItem = HBMMENU_CALLBACK;
            }
        }
        if (item->radioItem_) info.fType |= MFT_RADIOCHECK;
        if (!item->items_.empty() && !item->IsLine()) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = CreatePopupMenu();
            item->AppendTo(info.hSubMenu, ownerDraw);
        }
        InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
    }
}

void TMenuItem::ClearHandles() {
    handle_ = nullptr;
    for (TMenuItem* item : items_) item->ClearHandles();
}

const TMenuItem* TMenuItem::Find(const TMenuItem* item) const {
    if (this == item) return this;
    for (const TMenuItem* child : items_)
        if (const TMenuItem* found = child->Find(item)) return found;
    return nullptr;
}

TMenuItem* TMenuItem::FindCommand(UINT command) {
    if (command_ == command) return this;
    for (TMenuItem* item : items_)
        if (TMenuItem* found = item->FindCommand(command)) return found;
    return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
    for (TMenuItem* item : items_) {
        if (item->shortCut_ == shortCut && !item->IsLine()) return item;
        if (TMenuItem* found = item->FindShortCut(shortCut)) return found;
    }
    return nullptr;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), root_(new TMenuItem(this)) { root_->menu_ = this; }

TMenu::~TMenu() {
    root_->menu_ = nullptr;
    DestroyComponents();
}

bool TMenu::IsShortCut(TShortCut shortCut) {
    if (shortCut == scNone) return false;
    TMenuItem* item = root_->FindShortCut(shortCut);
    if (item == nullptr || !item->EnabledWithParents()) return false;
    item->Click();
    return true;
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
    if (ownerDraw == ownerDraw_) return;
    ownerDraw_ = ownerDraw;
    ItemsChanged();
}

void TMenu::SetImages(TImageList* images) {
    images_ = images;
    ItemsChanged();
}

void TMenu::SetBiDiMode(TBiDiMode mode) {
    biDiMode_ = mode;
    ItemsChanged();
}

TMenuHandle TMenu::BuildHandle(bool popup) {
    TMenuHandle menu(popup ? CreatePopupMenu() : CreateMenu());
    if (!menu) throw Exception("Cannot create a menu");
    root_->AppendTo(menu.Get(), ownerDraw_);
    return menu;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() {
    if (form_ == nullptr || !hook_.Hooked()) return;
    if (form_->HandleAllocated()) ::SetMenu(form_->Handle(), nullptr);
    hook_.Unhook();
}

void TMainMenu::AttachTo(TForm* form) {
    if (form_ != nullptr) throw Exception("Main menu attached twice");
    form_ = form;
    hook_.Hook(*form, MethodOf<&TMainMenu::FormWndProc>(this));
    if (form->HandleAllocated()) Install();
}

void TMainMenu::Install() {
    ForgetHandles();
    TMenuHandle menu = BuildHandle(false);
    ::SetMenu(form_->Handle(), menu.Get());
    handle_ = std::move(menu);
}

void TMainMenu::ItemsChanged() {
    if (form_ == nullptr || form_->IsDestroying() || !form_->HandleAllocated()) return;
    TMenuHandle old = std::move(handle_);
    Install();
    DrawMenuBar(form_->Handle());
}

// Called for every message of the form: attaches the menu bar to new windows and runs menu commands.
void TMainMenu::FormWndProc(TMessage& message) {
    if (message.Msg == WM_DESTROY) {
        ::SetMenu(form_->Handle(), nullptr);
        ForgetHandles();
    }
    if (DispatchOwnerDraw(message)) return;
    if (message.Msg == WM_COMMAND && message.LParam == 0 && HIWORD(message.WParam) == 0) {
        if (TMenuItem* item = FindCommand(LOWORD(message.WParam))) {
            item->Click();
            message.Result = 0;
            return;
        }
    }
    if (message.Msg == WM_ENTERMENULOOP && message.WParam == FALSE) tracking_ = true;
    hook_.CallSaved(message);
    if (message.Msg == WM_CREATE) Install();
    if (message.Msg == WM_EXITMENULOOP && tracking_) {
        // The items drawn while the bar tracked are drawn again at rest.
        tracking_ = false;
        DrawMenuBar(form_->Handle());
    }
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Popup(int x, int y) {
    TForm* ownerForm = nullptr;
    for (TComponent* c = Owner(); c != nullptr && ownerForm == nullptr; c = c->Owner()) ownerForm = dynamic_cast<TForm*>(c);
    HWND owner = ownerForm != nullptr ? ownerForm->Handle() : nullptr;
    UINT command = 0;
    {
        TMenuHandle menu = BuildHandle(true);
        if (ownerForm != nullptr) ownerHook_.Hook(*ownerForm, MethodOf<&TPopupMenu::OwnerWndProc>(this));
        if (owner != nullptr) SetForegroundWindow(owner);
        UINT flags = TPM_RIGHTBUTTON | TPM_RETURNCMD | (IsRightToLeft() ? TPM_RIGHTALIGN | TPM_LAYOUTRTL : TPM_LEFTALIGN);
        command = static_cast<UINT>(TrackPopupMenu(menu.Get(), flags, x, y, 0, owner, nullptr));
        ownerHook_.Unhook();
        ForgetHandles();
    }
    if (command == 0) return;
    if (TMenuItem* item = FindCommand(command)) item->Click();
}

// Called for every message of the owner form while the menu shows: its items' measure and draw requests.
void TPopupMenu::OwnerWndProc(TMessage& message) {
    if (DispatchOwnerDraw(message)) return;
    ownerHook_.CallSaved(message);
}

bool DispatchShortCut(TMainMenu* mainMenu, std::uint16_t key, TShiftState shift) {
    TShortCut shortCut = ShortCut(key, shift);
    if (shortCut == scNone) return false;
    TWinControl* focused = nullptr;
    for (HWND w = GetFocus(); w != nullptr && focused == nullptr; w = GetParent(w)) focused = TWinControl::FindControl(w);
    auto* popup = focused != nullptr ? dynamic_cast<TPopupMenu*>(focused->PopupMenu()) : nullptr;
    if (popup != nullptr && popup->IsShortCut(shortCut)) return true;
    return mainMenu != nullptr && mainMenu->IsShortCut(shortCut);
}
