// TFlatStyle: settings, creation and destruction, and the activation walk that binds its painters.
#include "appearance/FlatStyle.h"

#include "appearance/ControlSubClass.h"
#include "appearance/FlatStyleManager.h"
#include "appearance/StyleTags.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/ComboBox.h"
#include "toolkit/controls/CoolBar.h"
#include "toolkit/controls/GroupBox.h"
#include "toolkit/controls/HotKey.h"
#include "toolkit/controls/ListBox.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/controls/PageScroller.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/controls/ProgressBar.h"
#include "toolkit/controls/RadioButton.h"
#include "toolkit/controls/RichEdit.h"
#include "toolkit/controls/ScrollBox.h"
#include "toolkit/controls/ShellTreeView.h"
#include "toolkit/controls/TabControl.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/controls/UpDown.h"
#include "toolkit/core/Exception.h"
#include "toolkit/system/PlatformInfo.h"
#include "toolkit/forms/Screen.h"

namespace {

// The owner as a scrolling control: a form or a scroll box.
TWinControl* OwnerAsForm(TComponent* owner) {
    if (owner == nullptr) return nullptr;
    if (!owner->Is<TForm>() && !owner->Is<TScrollBox>()) throw Exception("Invalid class typecast");
    return dynamic_cast<TWinControl*>(owner);
}

bool Has(std::uint32_t set, int value) { return (set & XPBit(value)) != 0; }

// Visits every item of a menu tree below the root, depth first.
template <class F>
void ForEachItem(TMenuItem& item, const F& f) {
    for (int i = 0; i < item.Count(); ++i) {
        f(*item.Items(i));
        ForEachItem(*item.Items(i), f);
    }
}

// Calls f on every menu that component owns at any depth.
template <class F>
void ForEachOwnedMenu(TComponent* component, const F& f) {
    for (int i = 0; i < component->ComponentCount(); ++i) {
        TComponent* c = component->Components(i);
        if (auto* menu = dynamic_cast<TMenu*>(c)) f(*menu);
        ForEachOwnedMenu(c, f);
    }
}

}  // namespace

TFlatStyle::TFlatStyle(TComponent* owner)
    : TComponent(owner), ownStyler_(std::make_unique<TSubClassStyler>(*this)), styler_(ownStyler_.get()) {
    if (Screen != nullptr) font_.Assign(Screen->MenuFont());
    disableSubclassing_ = false;
    ownerForm_ = OwnerAsForm(owner);
    useSystemColors_ = true;
    color_ = iconBackColor_ = menuBarColor_ = separatorColor_ = clBtnFace;
    selectColor_ = selectBorderColor_ = checkedColor_ = clHighlight;
    disabledColor_ = clInactiveCaption;
    selectFontColor_ = font_.Color();
    grayLevel_ = 10;
    dimLevel_ = 30;
    iconWidth_ = 24;
    drawSelect_ = true;
    SetXPContainers(kAllXPContainers);
    SetXPControls(kAllXPControls);
    if (ownerForm_ != nullptr) {
        // The screen answers as the form's window would, without creating that window in the middle of the
        // form's layout.
        BuildScreenColorScheme();
    }
    schemeDirty_ = false;
    OSVERSIONINFOA version{};
    if (PlatformInfo().Version(version)) {
        isNTPlatform_ = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
        isWindowsXP_ = isNTPlatform_ && version.dwMajorVersion == 5 && version.dwMinorVersion == 1;
    }
    if (!IsDesigning()) EnsureManager();
}

TFlatStyle::~TFlatStyle() {
    if (ownerForm_ != nullptr) WalkComponents(ownerForm_, false, false);
    ReleaseOwnHandlers();
    if (FlatStyleManager != nullptr && !IsDesigning()) {
        FlatStyleManager->RemoveFlatStyle(this);
        if (ownerForm_ != nullptr && !ownerForm_->IsDestroying()) ownerForm_->Update();
        if (FlatStyleManager->FlatStyles().empty()) ReleaseManager();
    }
}

// Menus of forms that this style styled on the manager's behalf keep no handler bound to it.
void TFlatStyle::ReleaseOwnHandlers() {
    if (Screen == nullptr) return;
    for (int f = 0; f < Screen->FormCount(); ++f)
        ForEachOwnedMenu(Screen->Forms(f), [this](TMenu& menu) {
            ForEachItem(menu.Items(), [this](TMenuItem& item) {
                if (HoldsDrawHandler(item) && item.OnDrawItem.Data() == this) item.OnDrawItem.Clear();
                if (HoldsMeasureHandler(item) && item.OnMeasureItem.Data() == this) item.OnMeasureItem.Clear();
            });
        });
}

void TFlatStyle::Loaded() {
    TComponent::Loaded();
    if (FlatStyleManager != nullptr && !IsDesigning()) FlatStyleManager->AddFlatStyle(this);
}

void TFlatStyle::Notification(TComponent* component, TOperation operation) {
    if (FlatStyleManager == nullptr) return;
    if (!IsDesigning()) FlatStyleManager->FormNotification(component, operation);
    TComponent::Notification(component, operation);
    if (active_ && autoDetect_ && operation == TOperation::opInsert && !IsDesigning() &&
        (component->Is<TMenuItem>() || component->Is<TToolButton>()))
        StyleComponent(component, true, true);
}

void TFlatStyle::SetFont(const TFont& font) {
    font_.Assign(font);
    RedrawMenuBar();
}

void TFlatStyle::SetSchemeColor(TColor& field, TColor color) {
    field = color;
    schemeDirty_ = true;
}

void TFlatStyle::SetMenuBarColor(TColor color) {
    SetSchemeColor(menuBarColor_, color);
    RedrawMenuBar();
}

void TFlatStyle::SetUseSystemColors(bool use) {
    useSystemColors_ = use;
    RedrawMenuBar();
}

void TFlatStyle::RedrawMenuBar() {
    if (ownerForm_ == nullptr || IsLoading()) return;
    ::DrawMenuBar(ownerForm_->Handle());
}

void TFlatStyle::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    WalkComponents(ownerForm_, active, true);
    RedrawMenuBar();
}

// A new set of kinds while active: unstyle with the old set, then style with the new one.
template <class Set>
void TFlatStyle::ChangeKinds(Set& field, Set value) {
    if (value != field && active_) {
        active_ = false;
        WalkComponents(ownerForm_, false, true);
        active_ = true;
        field = value;
        WalkComponents(ownerForm_, true, true);
    }
    field = value;
}

void TFlatStyle::SetXPControls(TXPControls controls) { ChangeKinds(xpControls_, controls); }

void TFlatStyle::SetXPContainers(TXPContainers containers) { ChangeKinds(xpContainers_, containers); }

void TFlatStyle::SetOverrideOwnerDraw(bool override) {
    overrideOwnerDraw_ = override;
    if (!active_) return;
    WalkComponents(ownerForm_, true, true);
    RedrawMenuBar();
}

void TFlatStyle::SetDisableSubclassing(bool disable) {
    if (disable == disableSubclassing_) return;
    disableSubclassing_ = disable;
    if (FlatStyleManager == nullptr) return;
    if (FlatStyleManager->ActiveFlatStyle() == this) {
        FlatStyleManager->HandOver(this);
    } else if (FlatStyleManager->ActiveFlatStyle() == nullptr && !disable) {
        FlatStyleManager->HandOver(nullptr);
    }
}

void TFlatStyle::WalkComponents(TComponent* container, bool activate, bool redraw) {
    if (container == nullptr) return;
    int count = container->ComponentCount();
    for (int i = 0; i < count && i < container->ComponentCount(); ++i)
        StyleComponent(container->Components(i), activate, redraw);
}

void TFlatStyle::StyleComponent(TComponent* component, bool activate, bool redraw) {
    if (auto* menu = dynamic_cast<TMainMenu*>(component);
        menu != nullptr && Has(xpControls_, xcMainMenu) && menu->Tag() != kTagUnstyled) {
        TMenuItem& root = menu->Items();
        for (int i = 0; i < root.Count(); ++i) {
            menu->SetOwnerDraw(activate);
            HookMenuTree(root.Items(i), activate);
        }
        if (root.Count() > 0) {
            std::string caption = root.Items(0)->Caption();
            root.Items(0)->SetCaption("");
            root.Items(0)->SetCaption(caption);
        }
    }
    if (auto* popup = dynamic_cast<TPopupMenu*>(component); popup != nullptr && Has(xpControls_, xcPopupMenu)) {
        TMenuItem& root = popup->Items();
        for (int i = 0; i < root.Count(); ++i) {
            popup->SetOwnerDraw(activate);
            HookMenuTree(root.Items(i), activate);
        }
    }
    if (auto* bar = dynamic_cast<TToolBar*>(component);
        bar != nullptr && Has(xpControls_, xcToolbar) && !IsDesigning()) {
        if (!bar->Flat()) bar->SetFlat(true);
        const auto handler = MethodOf<&TFlatStyle::HandleToolButtonDraw>(this);
        if (activate && bar->ButtonCount() > 0 && (!bar->OnCustomDrawButton || overrideOwnerDraw_))
            bar->OnCustomDrawButton = handler;
        if (!activate && bar->OnCustomDrawButton.Code() == handler.Code()) bar->OnCustomDrawButton.Clear();
        if (redraw) bar->Invalidate();
    }
    if (auto* bar = dynamic_cast<TControlBar*>(component);
        bar != nullptr && Has(xpControls_, xcControlbar) && !IsDesigning()) {
        const auto handler = MethodOf<&TFlatStyle::HandleBandPaint>(this);
        if (activate && (!bar->OnBandPaint || overrideOwnerDraw_)) bar->OnBandPaint = handler;
        if (!activate && bar->OnBandPaint.Code() == handler.Code()) bar->OnBandPaint.Clear();
        if (redraw) bar->Invalidate();
    }
    if (!IsDesigning()) StyleControl(component, activate, redraw);
    if ((component->Is<TGroupBox>() && Has(xpContainers_, xccGroupBox)) || component->ClassNameIs("TDBNavigator") ||
        component->Is<TForm>())
        WalkComponents(component, activate, redraw);
}

void TFlatStyle::HookMenuItem(TMenuItem* item, bool activate) {
    if (activate) {
        if (item->Tag() == kTagUnstyled) return;
        if (!item->OnDrawItem || overrideOwnerDraw_) item->OnDrawItem = MethodOf<&TFlatStyle::HandleDrawItem>(this);
        if (!item->OnMeasureItem || overrideOwnerDraw_)
            item->OnMeasureItem = MethodOf<&TFlatStyle::HandleMeasureItem>(this);
        return;
    }
    if (HoldsDrawHandler(*item)) item->OnDrawItem.Clear();
    if (HoldsMeasureHandler(*item)) item->OnMeasureItem.Clear();
}

void TFlatStyle::HookMenuTree(TMenuItem* item, bool activate) {
    HookMenuItem(item, activate);
    for (int i = 0; i < item->Count(); ++i) HookMenuTree(item->Items(i), activate);
}

bool TFlatStyle::HoldsDrawHandler(const TMenuItem& item) {
    return item.OnDrawItem.Code() == MethodOf<&TFlatStyle::HandleDrawItem>(static_cast<TFlatStyle*>(nullptr)).Code();
}

bool TFlatStyle::HoldsMeasureHandler(const TMenuItem& item) {
    return item.OnMeasureItem.Code() ==
           MethodOf<&TFlatStyle::HandleMeasureItem>(static_cast<TFlatStyle*>(nullptr)).Code();
}

bool TFlatStyle::CursorInItemRect(TControl* control, const RECT& rect) const {
    if (control == nullptr || Screen == nullptr) return false;
    POINT p = Screen->CursorPos();
    int x = p.x - control->Left();
    int y = p.y - control->Top();
    return rect.left <= x && x <= rect.right - 1 && rect.top <= y && y <= rect.bottom - 2;
}

// Controls of a kind in XPControls on a parent of a kind in XPContainers get a painter.
bool TFlatStyle::StyleControl(TComponent* component, bool activate, bool redraw) {
    auto* control = dynamic_cast<TControl*>(component);
    if (control == nullptr) return false;
    struct TKindRow {
        bool matches;
        int value;
    };
    auto named = [component](const char* name) { return component->ClassNameIs(name); };
    const bool edit = component->Is<TEdit>() && !component->Is<TMemo>();
    const TKindRow kinds[] = {
        {component->Is<TComboBox>(), xcCombo},          {edit, xcEdit},
        {named("TMaskEdit"), xcMaskEdit},               {named("TDBEdit"), xcMaskEdit},
        {component->Is<TMemo>(), xcMemo},
        {component->Is<TRichEdit>(), xcRichEdit},       {component->Is<TCheckBox>(), xcCheckBox},
        {component->Is<TRadioButton>(), xcRadioButton}, {named("TBitBtn"), xcBitBtn},
        {named("TButton"), xcButton},                   {named("TUpDown"), xcUpDown},
        {component->Is<TSpeedButton>(), xcSpeedButton}, {component->Is<TPanel>(), xcPanel},
        {named("TDBNavigator"), xcButton},              {named("TDBLookupComboBox"), xcCombo},
        {component->Is<TGroupBox>(), xcGroupBox},       {component->Is<TListBox>(), xcListBox},
        {component->Is<TShellTreeView>(), xcTreeView},  {component->Is<TListView>(), xcListView},
        {component->Is<TProgressBar>(), xcProgressBar}, {component->Is<THotKey>(), xcHotKey},
    };
    bool kind = false;
    for (const TKindRow& row : kinds) kind = kind || (row.matches && Has(xpControls_, row.value));
    TWinControl* parent = control->Parent();
    if (!kind || parent == nullptr) return false;
    const TKindRow containers[] = {
        {parent->Is<TToolBar>(), xccToolbar},     {parent->Is<TCoolBar>(), xccCoolbar},
        {parent->Is<TPanel>(), xccPanel},         {parent->Is<TControlBar>(), xccControlbar},
        {parent->Is<TScrollBox>(), xccScrollBox}, {parent->Is<TGroupBox>(), xccGroupBox},
        {parent->Is<TTabSheet>(), xccTabSheet},   {parent->Is<TTabControl>(), xccTabSheet},
        {parent->ClassNameIs("TdxTabSheet"), xccTabSheet}, {parent->Is<TPageScroller>(), xccPageScroller},
        {parent->ClassNameIs("TDBCtrlPanel"), xccFrame},   {parent->Is<TForm>(), xccForm},
    };
    bool container = false;
    for (const TKindRow& row : containers) container = container || (row.matches && Has(xpContainers_, row.value));
    if (!container) return false;
    if (activate && control->Tag() != kTagUnstyled && parent->Tag() != kTagUnstyled && styler_ != nullptr)
        styler_->Subclass(*this, *control);
    if (redraw) control->Invalidate();
    return true;
}
