// TFlatStyleManager: registered styles, the application-window hook, hand-over and adoption of forms.
#include "appearance/FlatStyleManager.h"

#include <algorithm>

#include "appearance/FlatStyle.h"
#include "appearance/StyleTags.h"
#include "toolkit/forms/Application.h"
#include "toolkit/forms/Screen.h"

TFlatStyleManager* FlatStyleManager = nullptr;

namespace {

template <class T, class U>
void Erase(std::vector<T*>& list, const U* entry) {
    list.erase(std::remove(list.begin(), list.end(), entry), list.end());
}

template <class T, class U>
bool Contains(const std::vector<T*>& list, const U* entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

bool IsLiveForm(const TWinControl* form) {
    if (Screen == nullptr) return false;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i) == form) return true;
    return false;
}

bool OwnsFlatStyle(const TComponent* form) {
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (form->Components(i)->Is<TFlatStyle>()) return true;
    return false;
}

// The menu item at this address if one still lives in a menu of a live form; compares addresses only.
TMenuItem* FindLiveItem(LPARAM address, TComponent* within) {
    for (int i = 0; i < within->ComponentCount(); ++i) {
        TComponent* c = within->Components(i);
        if (reinterpret_cast<LPARAM>(c) == address) return dynamic_cast<TMenuItem*>(c);
        if (TMenuItem* found = FindLiveItem(address, c)) return found;
    }
    return nullptr;
}

TMenuItem* FindLiveItem(LPARAM address) {
    if (Screen == nullptr) return nullptr;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (TMenuItem* found = FindLiveItem(address, Screen->Forms(i))) return found;
    return nullptr;
}

}  // namespace

void EnsureManager() {
    if (FlatStyleManager == nullptr) FlatStyleManager = new TFlatStyleManager();
}

void ReleaseManager() {
    delete FlatStyleManager;
    FlatStyleManager = nullptr;
}

TFlatStyleManager::TFlatStyleManager() {
    if (Application != nullptr) Application->HookMainWindow(MethodOf<&TFlatStyleManager::MainWindowHook>(this));
}

TFlatStyleManager::~TFlatStyleManager() {
    if (Application != nullptr) Application->UnhookMainWindow(MethodOf<&TFlatStyleManager::MainWindowHook>(this));
}

void TFlatStyleManager::AddFlatStyle(TFlatStyle* style) {
    flatStyles_.push_back(style);
    styledForms_.push_back(style->OwnerForm());
    if (activeFlatStyle_ == nullptr && style->Active() && !style->DisableSubclassing()) {
        activeFlatStyle_ = style;
        ScanForms();
    }
}

void TFlatStyleManager::RemoveFlatStyle(TFlatStyle* style) {
    if (style == activeFlatStyle_) HandOver(style);
    // A style that goes without a successor leaves no reference behind.
    if (style == activeFlatStyle_) activeFlatStyle_ = nullptr;
    Erase(flatStyles_, style);
}

TFlatStyle* TFlatStyleManager::FindOtherActive(TFlatStyle* excluded) const {
    for (TFlatStyle* style : flatStyles_)
        if (style->Active() && !style->DisableSubclassing() && style != excluded) return style;
    return nullptr;
}

void TFlatStyleManager::HandOver(TFlatStyle* leaving) {
    TFlatStyle* other = FindOtherActive(leaving);
    if (other == nullptr) {
        pendingForms_.clear();
        if (Application == nullptr || Application->MainForm() == nullptr) return;
        for (TWinControl* form : std::vector<TWinControl*>(styledForms_))
            if (leaving == nullptr || form != leaving->OwnerForm()) RestoreControls(form);
        styledForms_.clear();
        activeFlatStyle_ = nullptr;
    } else if (activeFlatStyle_ == nullptr) {
        activeFlatStyle_ = other;
        ScanForms();
    } else {
        if (leaving != nullptr && activeFlatStyle_->ControlStyler() != nullptr)
            activeFlatStyle_->ControlStyler()->MoveTo(*other, leaving->OwnerForm());
        activeFlatStyle_ = other;
    }
}

void TFlatStyleManager::RestoreControls(TWinControl* form) {
    if (activeFlatStyle_ == nullptr || form == nullptr || !IsLiveForm(form)) return;
    if (TControlStyler* styler = activeFlatStyle_->ControlStyler()) {
        try {
            styler->Restore(*form);
        } catch (...) {
            // A control that cannot take its look back keeps the flat one.
        }
    }
}

void TFlatStyleManager::ScanForms() {
    if (Screen == nullptr) return;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TForm* form = Screen->Forms(i);
        if (Contains(styledForms_, form) || form->Tag() == kTagUnstyled || OwnsFlatStyle(form)) continue;
        pendingForms_.push_back(form);
    }
}

void TFlatStyleManager::FormNotification(TComponent* component, TOperation operation) {
    auto* form = dynamic_cast<TForm*>(component);
    if (form == nullptr) return;
    // A form that goes is forgotten whoever is active, so no list keeps it.
    if (operation == TOperation::opRemove) {
        Erase(pendingForms_, form);
        Erase(styledForms_, form);
        return;
    }
    if (activeFlatStyle_ != nullptr && !Contains(pendingForms_, form)) pendingForms_.push_back(form);
}

bool TFlatStyleManager::MainWindowHook(TMessage& message) {
    if (FlatStyleManager == nullptr) return false;
    if (message.Msg == FSM_PAINTITEMFRAME && message.LParam != 0) {
        TMenuItem* item = FindLiveItem(message.LParam);
        TMenuItem* parent = item != nullptr ? item->Parent() : nullptr;
        RECT r{};
        if (parent != nullptr && parent->Handle() != nullptr &&
            GetMenuItemRect(nullptr, parent->Handle(), static_cast<UINT>(item->MenuIndex()), &r)) {
            HWND window = WindowFromPoint(POINT{r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2});
            TMenu* menu = parent->GetParentMenu();
            if (window != nullptr && activeFlatStyle_ != nullptr)
                activeFlatStyle_->PaintFlatMenuFrame(window, menu != nullptr && menu->IsRightToLeft());
        }
    } else if (message.Msg == FSM_PAINTWINDOWFRAME && message.LParam != 0 && activeFlatStyle_ != nullptr) {
        activeFlatStyle_->PaintFlatMenuFrame(reinterpret_cast<HWND>(message.LParam), message.WParam != 0);
    }
    if (!pendingForms_.empty()) WalkPendingForms();
    return false;
}

void TFlatStyleManager::WalkPendingForms() {
    try {
        for (TForm* form : std::vector<TForm*>(pendingForms_)) {
            if (Contains(styledForms_, form) || !IsLiveForm(form) || activeFlatStyle_ == nullptr) continue;
            styledForms_.push_back(form);
            activeFlatStyle_->WalkComponents(form, true, true);
        }
        pendingForms_.clear();
    } catch (...) {
        // The forms not yet styled are tried again at the next message.
    }
}
