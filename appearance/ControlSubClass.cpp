// TControlSubClass: its window procedure, the dispatch of painters by kind, and the styler that creates, moves
// and restores the objects of one TFlatStyle.
#include "appearance/ControlSubClass.h"

#include <vector>

#include "appearance/FlatColors.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/ComboBox.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/GroupBox.h"
#include "toolkit/controls/HotKey.h"
#include "toolkit/controls/ListBox.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/controls/ProgressBar.h"
#include "toolkit/controls/RadioButton.h"
#include "toolkit/controls/RichEdit.h"
#include "toolkit/controls/ShellTreeView.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/controls/UpDown.h"
#include "toolkit/system/WinGuards.h"

namespace {

bool IsGraphic(const TControl* control) { return dynamic_cast<const TWinControl*>(control) == nullptr; }

bool IsListKind(const TControl* control) {
    return control->Is<TListBox>() || control->Is<TShellTreeView>() || control->Is<TListView>();
}

bool IsLookupCombo(const TControl* control) { return control->ClassNameIs("TDBLookupComboBox"); }

}  // namespace

TControlSubClass::~TControlSubClass() {
    TControl* control = Control();
    bool leaving = control != nullptr && !control->IsDestroying();
    TCustomForm* form = leaving ? control->ParentForm() : nullptr;
    Restore(leaving && (form == nullptr || !form->IsDestroying()));
}

bool TControlSubClass::IsSubclassed(const TControl& control) {
    return control.WindowProc.Code() ==
           MethodOf<&TControlSubClass::SubclassWndProc>(static_cast<TControlSubClass*>(nullptr)).Code();
}

bool TControlSubClass::Attach(TControl& control, TFlatStyle* owner) {
    if (IsSubclassed(control)) return false;
    OwnerFlatStyle = owner;
    hook_.Hook(control, MethodOf<&TControlSubClass::SubclassWndProc>(this));
    if (auto* edit = dynamic_cast<TEdit*>(&control)) {
        SavedCtl3D = edit->Ctl3D();
        SavedBorderStyle = edit->BorderStyle();
    }
    if (auto* rich = dynamic_cast<TRichEdit*>(&control)) SavedBorderWidth = rich->BorderWidth();
    if (IsLookupCombo(&control)) SavedCtl3D = static_cast<TWinControl&>(control).Ctl3D();
    if (IsListKind(&control)) {
        SavedCtl3D = static_cast<TWinControl&>(control).Ctl3D();
        SavedBorderStyle = dynamic_cast<TBorderStyled&>(control).BorderStyle();
    }
    return true;
}

void TControlSubClass::TakeOver(TControlSubClass& old, TFlatStyle* owner) {
    TControl* control = old.Control();
    if (control == nullptr) return;
    SavedCtl3D = old.SavedCtl3D;
    SavedBorderStyle = old.SavedBorderStyle;
    SavedBorderWidth = old.SavedBorderWidth;
    old.hook_.Unhook();
    OwnerFlatStyle = owner;
    hook_.Hook(*control, MethodOf<&TControlSubClass::SubclassWndProc>(this));
}

void TControlSubClass::Restore(bool restoreLook) {
    parentHook_.Unhook();
    TControl* control = Control();
    if (control == nullptr) return;
    hook_.Unhook();
    if (!restoreLook) return;
    try {
        if (auto* edit = dynamic_cast<TEdit*>(control)) edit->SetCtl3D(SavedCtl3D);
        if (auto* rich = dynamic_cast<TRichEdit*>(control)) {
            rich->SetBorderStyle(SavedBorderStyle);
            rich->SetBorderWidth(SavedBorderWidth);
        }
        if (IsLookupCombo(control)) static_cast<TWinControl*>(control)->SetCtl3D(SavedCtl3D);
        // A list's painter switches its 3-D look off, so that comes back with its border.
        if (IsListKind(control)) {
            dynamic_cast<TBorderStyled&>(*control).SetBorderStyle(SavedBorderStyle);
            static_cast<TWinControl*>(control)->SetCtl3D(SavedCtl3D);
        }
    } catch (...) {
        // A control that cannot take its look back keeps the flat one.
    }
}

void TControlSubClass::Leave(bool restoreLook) {
    Restore(restoreLook);
    delete this;
}

void TControlSubClass::SubclassWndProc(TMessage& message) {
    TControl* control = Control();
    if (control == nullptr) return;
    // An inactive style gives the control back before the message, which the control then handles itself.
    // A window on its way out gets its procedure back but is not rebuilt in its old look.
    if (OwnerFlatStyle != nullptr && !OwnerFlatStyle->Active()) {
        TWndMethod saved = hook_.Saved();
        Leave(message.Msg != WM_DESTROY && message.Msg != WM_NCDESTROY);
        saved(message);
        return;
    }
    if (message.Msg == WM_PAINT && IsGraphic(control)) {
        paintDC_ = reinterpret_cast<HDC>(message.WParam);
        message.Result = 1;
    } else if (message.Msg == WM_NCPAINT && IsLookupCombo(control)) {
        message.Result = 1;  // its painter draws the whole window
    } else {
        hook_.CallSaved(message);
    }
    LastMessage = message.Msg;
    FollowMessage(message);
}

// The state flags and repaints that follow a message the control has handled.
void TControlSubClass::FollowMessage(TMessage& message) {
    TControl* control = Control();
    if (control == nullptr) return;
    switch (message.Msg) {
    case WM_DESTROY:
        if (!Recreating) Leave(false);  // nothing may touch this object afterwards
        return;
    case WM_KEYDOWN:
    case WM_KEYUP:
        FollowSpaceKey(message);
        return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FollowMouse(*control, message);
        return;
    default:
        FollowState(*control, message);
        return;
    }
}

// Focus, painting, recreation and enabling.
void TControlSubClass::FollowState(TControl& control, const TMessage& message) {
    switch (message.Msg) {
    case WM_SETFOCUS:
        MouseInControl = true;
        PaintControl();
        return;
    case WM_KILLFOCUS:
    case BM_GETCHECK:
    case BM_SETCHECK:
    case CM_EXIT:
        MouseInControl = false;
        PaintControl();
        return;
    case WM_PAINT:
        Recreating = false;
        PaintControl();
        paintDC_ = nullptr;
        return;
    case WM_WINDOWPOSCHANGED:
    case EM_GETMODIFY:
    case CM_CTL3DCHANGED:
    case CM_PARENTCTL3DCHANGED:
    case CM_INVALIDATE:
    case CN_PARENTNOTIFY:
        Recreating = true;
        return;
    case WM_NCPAINT:
        if (IsListKind(&control)) PaintListBorder();
        return;
    case BM_SETSTATE:
    case CM_FOCUSCHANGED:
    case CM_PARENTCOLORCHANGED:
    case CM_TEXTCHANGED:
        PaintControl();
        return;
    case CM_ENABLEDCHANGED:
        if (message.WParam == 0) MouseInControl = false;
        PaintControl();
        return;
    default:
        return;
    }
}

// The space bar holds a button down like the left mouse button; its repeats paint once.
void TControlSubClass::FollowSpaceKey(const TMessage& message) {
    if (message.WParam != VK_SPACE) return;
    if (message.Msg == WM_KEYDOWN) {
        SpaceDown = true;
        if (!SpaceRepeat) PaintControl();
        SpaceRepeat = true;
        return;
    }
    SpaceDown = false;
    SpaceRepeat = false;
    PaintControl();
}

void TControlSubClass::FollowMouse(TControl& control, const TMessage& message) {
    const bool enabled = control.Enabled();
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        if (enabled && control.ClassNameIs("TUpDown")) PaintControl();
        return;
    case WM_LBUTTONDOWN:
        LeftButtonDown = true;
        PaintControl();
        return;
    case WM_LBUTTONUP:
        LeftButtonDown = false;
        if (IsGraphic(&control)) {
            control.Repaint();
        } else {
            PaintControl();
        }
        return;
    case WM_LBUTTONDBLCLK:
        if (control.Is<TButton>() || control.Is<TRadioButton>() || control.Is<TCheckBox>())
            control.Perform(WM_LBUTTONDOWN, message.WParam, message.LParam);
        return;
    default:  // CM_MOUSEENTER, CM_MOUSELEAVE
        if (!enabled) return;
        MouseInControl = message.Msg == CM_MOUSEENTER;
        if (!IsGraphic(&control)) {
            PaintControl();
        } else if (MouseInControl) {
            control.Repaint();
        } else {
            control.Invalidate();
        }
        return;
    }
}

void TControlSubClass::PaintControl() {
    TControl* control = Control();
    if (control == nullptr) return;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    // Nothing is drawn before the window exists: asking for a device context would create it.
    if (windowed != nullptr && !windowed->HandleAllocated()) return;
    if (windowed == nullptr && (control->Parent() == nullptr || !control->Parent()->HandleAllocated())) return;
    IsFocused = windowed != nullptr && windowed->Focused();
    if (control->Is<TComboBox>()) PaintComboBox();
    if (IsLookupCombo(control)) PaintLookupComboBox();
    if (control->Is<TRichEdit>()) {
        PaintRichEdit();
    } else if (control->Is<TEdit>()) {
        PaintEdit();
    }
    if (control->Is<TCheckBox>()) PaintCheckBox();
    if (control->Is<TRadioButton>()) PaintRadioButton();
    if (control->Is<TBitBtn>()) {
        PaintBitButton();
    } else if (control->Is<TButton>()) {
        PaintButton();
    }
    if (control->Is<TUpDown>()) PaintUpDown();
    if (control->Is<TSpeedButton>() && control->Visible()) PaintSpeedButton();
    if (control->Is<TPanel>()) PaintPanel();
    if (control->Is<TGroupBox>()) PaintGroupBox();
    if (IsListKind(control)) PaintListBorder();
    if (control->Is<TProgressBar>()) PaintProgressBar();
    if (control->Is<THotKey>()) PaintHotKey();
}

const TColorScheme& TControlSubClass::Scheme(bool rebuild) {
    static const TColorScheme kDefault;
    if (OwnerFlatStyle == nullptr) return kDefault;
    if (rebuild || OwnerFlatStyle->SchemeDirty()) OwnerFlatStyle->BuildScreenColorScheme();
    return OwnerFlatStyle->Scheme();
}

TColor TControlSubClass::ParentColor() const {
    TControl* control = Control();
    TWinControl* parent = control != nullptr ? control->Parent() : nullptr;
    return parent != nullptr ? parent->Brush().Color() : clBtnFace;
}

TColor TControlSubClass::ParentFace(int percent) const { return LightenColor(ParentColor(), percent); }

void TSubClassStyler::Subclass(TFlatStyle& style, TControl& control) {
    if (TControlSubClass::IsSubclassed(control)) return;
    auto* object = new TControlSubClass(&style);  // owned by the style
    object->Attach(control, &style);
}

namespace {

// The subclass objects that a style owns, last first, so that freeing one leaves the rest in place.
std::vector<TControlSubClass*> OwnedSubClasses(TFlatStyle& style) {
    std::vector<TControlSubClass*> objects;
    for (int i = style.ComponentCount() - 1; i >= 0; --i)
        if (auto* object = dynamic_cast<TControlSubClass*>(style.Components(i))) objects.push_back(object);
    return objects;
}

bool OnForm(const TControlSubClass& object, const TWinControl* form) {
    return form != nullptr && object.Control() != nullptr && form->ContainsControl(object.Control());
}

}  // namespace

void TSubClassStyler::MoveTo(TFlatStyle& successor, TWinControl* exceptForm) {
    std::vector<TControlSubClass*> objects = OwnedSubClasses(style_);
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        TControlSubClass* old = *it;
        if (old->Control() == nullptr || OnForm(*old, exceptForm)) continue;
        auto* moved = new TControlSubClass(&successor);
        moved->TakeOver(*old, &successor);
        delete old;  // out of every chain now
    }
}

void TSubClassStyler::Restore(TWinControl& form) {
    for (TControlSubClass* object : OwnedSubClasses(style_)) {
        if (!OnForm(*object, &form)) continue;
        object->Restore(true);
        delete object;
    }
}
