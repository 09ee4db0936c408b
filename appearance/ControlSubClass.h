// TControlSubClass: the flat look of one control, drawn from a window procedure put in front of the control's own.
#pragma once

#include <cstdint>

#include "appearance/FlatStyle.h"
#include "toolkit/controls/BorderStyle.h"
#include "toolkit/controls/ButtonLayout.h"
#include "toolkit/controls/WindowProcHook.h"

class TCanvas;

class TControlSubClass : public TComponent {
public:
    explicit TControlSubClass(TComponent* owner) : TComponent(owner) {}
    // Gives the control its own window procedure back if it is still in front of it.
    ~TControlSubClass() override;
    const char* ClassName() const override { return "TControlSubClass"; }

    // Puts SubclassWndProc in front of the control's window procedure (unless a subclass is there already)
    // and saves the look that the painters change. False when the control already has one.
    bool Attach(TControl& control, TFlatStyle* owner);
    // Takes over another object's control, saved procedure and look; that object leaves the chain.
    void TakeOver(TControlSubClass& old, TFlatStyle* owner);
    // Puts back the saved procedure and, with restoreLook, Ctl3D and BorderStyle.
    void Restore(bool restoreLook);
    // Whether a control's window procedure is a TControlSubClass's.
    static bool IsSubclassed(const TControl& control);

    // The subclassed control; nullptr once restored or once the control is gone.
    TControl* Control() const { return hook_.Control(); }
    const TWndMethod& SavedWindowProc() const { return hook_.Saved(); }

    bool Recreating = false;
    bool MouseInControl = false;
    bool LeftButtonDown = false;
    bool SpaceDown = false;
    bool SpaceRepeat = false;
    bool IsFocused = false;
    TFlatStyle* OwnerFlatStyle = nullptr;
    bool SavedCtl3D = true;
    TBorderStyle SavedBorderStyle = bsSingle;
    int SavedBorderWidth = 0;  // a rich edit's, which its painter widens
    std::uint32_t LastMessage = 0;

    void SubclassWndProc(TMessage& message);
    void PaintControl();

    // Painters: each draws over what the control has just drawn.
    void PaintComboBox();
    void PaintLookupComboBox();
    void PaintEdit();
    void PaintRichEdit();
    void PaintCheckBox();
    void PaintRadioButton();
    void PaintButton();
    void PaintBitButton();
    void PaintSpeedButton();
    void PaintGroupBox();
    void PaintUpDown();
    void PaintPanel();
    void PaintListBorder();
    void PaintProgressBar();
    void PaintHotKey();

private:
    void FollowMessage(TMessage& message);
    void FollowState(TControl& control, const TMessage& message);
    void FollowSpaceKey(const TMessage& message);
    void FollowMouse(TControl& control, const TMessage& message);
    // Ends this object after the control's window went for good or the style became inactive.
    void Leave(bool restoreLook);
    // The owning style's colours, built first when out of date (or always, with rebuild).
    const TColorScheme& Scheme(bool rebuild = false);
    TColor ParentColor() const;
    TColor ParentFace(int percent) const;
    bool Hot() const { return MouseInControl; }
    bool FocusedNotHot() const { return IsFocused && !MouseInControl; }
    void PaintSpinHalf(TCanvas& canvas, RECT rect, int direction, bool hot);
    void PaintButtonFace(TCanvas& canvas, bool pressed, TColor face, TColor edge, bool edgeLines);
    void PaintCaption(TCanvas& canvas, const RECT& rect, UINT format);
    RECT PaintPlacedGlyph(TCanvas& canvas, TBitmap& glyph, TButtonLayout layout, int spacing, bool hot, bool pressed);
    // A rich edit's frame, drawn on its parent just outside the control.
    void PaintRichEditFrame();
    // Follows the parent of a rich edit, whose painting alone wipes the frame.
    void ParentWndProc(TMessage& message);
    // Binds a canvas to the control's client area (a graphic control: the device context it is painted in).
    void BindCanvas(class TControlCanvas& canvas);

    TWindowProcHook hook_;
    TWindowProcHook parentHook_;
    HDC paintDC_ = nullptr;  // the parent's device context while a graphic control is painted
};

// Creates, moves and restores the TControlSubClass objects of one TFlatStyle.
class TSubClassStyler : public TControlStyler {
public:
    explicit TSubClassStyler(TFlatStyle& style) : style_(style) {}
    void Subclass(TFlatStyle& style, TControl& control) override;
    void MoveTo(TFlatStyle& successor, TWinControl* exceptForm) override;
    void Restore(TWinControl& form) override;

private:
    TFlatStyle& style_;
};
