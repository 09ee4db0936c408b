// Main and popup menus: items with captions, sub-menus, separators, enabled state and keyboard shortcuts.
#include "toolkit/forms/Menus.h"

#include <algorithm>

#include "toolkit/core/Exception.h"
#include "toolkit/forms/Form.h"

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

void TMenuItem::AppendTo(HMENU menu) const {
    for (const TMenuItem* item : items_) {
        if (item->IsLine()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string text = item->caption_;
        std::string keys = ShortCutToText(item->shortCut_);
        if (!keys.empty()) text += "\t" + keys;
        UINT flags = MF_STRING | (item->enabled_ ? MF_ENABLED : MF_GRAYED);
        if (item->items_.empty()) {
            AppendMenuA(menu, flags, item->command_, text.c_str());
        } else {
            HMENU sub = CreatePopupMenu();
            item->AppendTo(sub);
            AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text.c_str());
        }
    }
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

TMenuHandle TMenu::BuildHandle(bool popup) const {
    TMenuHandle menu(popup ? CreatePopupMenu() : CreateMenu());
    if (!menu) throw Exception("Cannot create a menu");
    root_->AppendTo(menu.Get());
    return menu;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() {
    if (form_ == nullptr) return;
    if (form_->HandleAllocated()) ::SetMenu(form_->Handle(), nullptr);
    if (form_->WindowProc == MethodOf<&TMainMenu::FormWndProc>(this)) form_->WindowProc = savedProc_;
}

void TMainMenu::AttachTo(TForm* form) {
    if (form_ != nullptr) throw Exception("Main menu attached twice");
    form_ = form;
    savedProc_ = form->WindowProc;
    form->WindowProc = MethodOf<&TMainMenu::FormWndProc>(this);
    if (form->HandleAllocated()) Install();
}

void TMainMenu::Install() {
    handle_ = BuildHandle(false);
    ::SetMenu(form_->Handle(), handle_.Get());
}

void TMainMenu::ItemsChanged() {
    if (form_ == nullptr || form_->IsDestroying() || !form_->HandleAllocated()) return;
    TMenuHandle old = std::move(handle_);
    Install();
    DrawMenuBar(form_->Handle());
}

// Called for every message of the form: attaches the menu bar to new windows and runs menu commands.
void TMainMenu::FormWndProc(TMessage& message) {
    if (message.Msg == WM_DESTROY) ::SetMenu(form_->Handle(), nullptr);
    if (message.Msg == WM_COMMAND && message.LParam == 0 && HIWORD(message.WParam) == 0) {
        if (TMenuItem* item = FindCommand(LOWORD(message.WParam))) {
            item->Click();
            message.Result = 0;
            return;
        }
    }
    savedProc_(message);
    if (message.Msg == WM_CREATE) Install();
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Popup(int x, int y) {
    TMenuHandle menu = BuildHandle(true);
    HWND owner = nullptr;
    for (TComponent* c = Owner(); c != nullptr && owner == nullptr; c = c->Owner())
        if (auto* form = dynamic_cast<TForm*>(c)) owner = form->Handle();
    if (owner != nullptr) SetForegroundWindow(owner);
    auto command = static_cast<UINT>(
        TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, owner, nullptr));
    if (command == 0) return;
    if (TMenuItem* item = FindCommand(command)) item->Click();
}

bool ShowContextPopup(TControl& control, TMessage& message) {
    TPopupMenu* menu = control.PopupMenu();
    if (message.Msg != WM_CONTEXTMENU || menu == nullptr) return false;
    message.Result = 0;
    POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (message.LParam == -1) {
        p = POINT{0, 0};
        if (windowed != nullptr) ::ClientToScreen(windowed->Handle(), &p);
    }
    menu->Popup(p.x, p.y);
    return true;
}

bool DispatchShortCut(TMainMenu* mainMenu, std::uint16_t key, TShiftState shift) {
    TShortCut shortCut = ShortCut(key, shift);
    if (shortCut == scNone) return false;
    TWinControl* focused = nullptr;
    for (HWND w = GetFocus(); w != nullptr && focused == nullptr; w = GetParent(w)) focused = TWinControl::FindControl(w);
    if (focused != nullptr && focused->PopupMenu() != nullptr && focused->PopupMenu()->IsShortCut(shortCut)) return true;
    return mainMenu != nullptr && mainMenu->IsShortCut(shortCut);
}
