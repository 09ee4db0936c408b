// TFlatStyle: a component that owner-draws its form's menus in a flat style and holds the style's settings.
#pragma once

#include <cstdint>
#include <memory>

#include "appearance/ColorScheme.h"
#include "toolkit/controls/ControlBar.h"
#include "toolkit/controls/ToolBar.h"
#include "toolkit/core/Component.h"
#include "toolkit/forms/Form.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Font.h"
#include "toolkit/menus/Menus.h"

enum TXPControl {
    xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcListBox, xcEdit, xcMaskEdit, xcMemo, xcRichEdit,
    xcMiscEdit, xcCheckBox, xcRadioButton, xcButton, xcBitBtn, xcSpeedButton, xcUpDown, xcPanel, xcGroupBox,
    xcTreeView, xcListView, xcProgressBar, xcHotKey
};
using TXPControls = std::uint32_t;  // bit i is value i
constexpr TXPControls kAllXPControls = 0x7FFFFF;

enum TXPContainer {
    xccForm, xccFrame, xccToolbar, xccCoolbar, xccControlbar, xccPanel, xccScrollBox, xccGroupBox, xccTabSheet,
    xccPageScroller
};
using TXPContainers = std::uint16_t;
constexpr TXPContainers kAllXPContainers = 0x3FF;

constexpr std::uint32_t XPBit(int value) { return 1u << value; }

// Private messages posted to the application window: frame the popup window of an item (LParam the item),
// or frame a popup window (WParam 1 for right to left, LParam the window).
constexpr UINT FSM_PAINTITEMFRAME = 48307;
constexpr UINT FSM_PAINTWINDOWFRAME = 48308;

class TControlStyler;

// What a glyph, caption or highlight is painted for: the shared painters place and tint it by this.
enum class TItemHost { MenuItem, ToolButton, Control };

class TFlatStyle : public TComponent {
public:
    // The owner must be a scrolling control (a form or a scroll box) or nullptr.
    explicit TFlatStyle(TComponent* owner);
    ~TFlatStyle() override;
    const char* ClassName() const override { return "TFlatStyle"; }

    std::uint8_t DimLevel() const { return dimLevel_; }
    void SetDimLevel(std::uint8_t level) { dimLevel_ = level; }
    std::uint8_t GrayLevel() const { return grayLevel_; }
    void SetGrayLevel(std::uint8_t level) { grayLevel_ = level; }
    TFont& Font() { return font_; }
    void SetFont(const TFont& font);
    TColor Color() const { return color_; }
    void SetColor(TColor color) { SetSchemeColor(color_, color); }
    bool DrawMenuBar() const { return drawMenuBar_; }
    void SetDrawMenuBar(bool draw) { drawMenuBar_ = draw; }
    TColor IconBackColor() const { return iconBackColor_; }
    void SetIconBackColor(TColor color) { SetSchemeColor(iconBackColor_, color); }
    TColor MenuBarColor() const { return menuBarColor_; }
    void SetMenuBarColor(TColor color);
    TColor SelectColor() const { return selectColor_; }
    void SetSelectColor(TColor color) { SetSchemeColor(selectColor_, color); }
    TColor SelectBorderColor() const { return selectBorderColor_; }
    void SetSelectBorderColor(TColor color) { SetSchemeColor(selectBorderColor_, color); }
    TColor SelectFontColor() const { return selectFontColor_; }
    void SetSelectFontColor(TColor color) { SetSchemeColor(selectFontColor_, color); }
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor color) { SetSchemeColor(disabledColor_, color); }
    TColor SeparatorColor() const { return separatorColor_; }
    void SetSeparatorColor(TColor color) { SetSchemeColor(separatorColor_, color); }
    TColor CheckedColor() const { return checkedColor_; }
    void SetCheckedColor(TColor color) { SetSchemeColor(checkedColor_, color); }
    int IconWidth() const { return iconWidth_; }
    void SetIconWidth(int width) { iconWidth_ = width; }
    bool DrawSelect() const { return drawSelect_; }
    void SetDrawSelect(bool draw) { drawSelect_ = draw; }
    bool UseSystemColors() const { return useSystemColors_; }
    void SetUseSystemColors(bool use);
    bool UseDimColor() const { return useDimColor_; }
    void SetUseDimColor(bool use) { useDimColor_ = use; }
    bool OverrideOwnerDraw() const { return overrideOwnerDraw_; }
    void SetOverrideOwnerDraw(bool override);
    bool Gradient() const { return gradient_; }
    void SetGradient(bool gradient) { gradient_ = gradient; }
    bool FlatMenu() const { return flatMenu_; }
    void SetFlatMenu(bool flat) { flatMenu_ = flat; }
    bool AutoDetect() const { return autoDetect_; }
    void SetAutoDetect(bool autoDetect) { autoDetect_ = autoDetect; }
    TXPContainers XPContainers() const { return xpContainers_; }
    void SetXPContainers(TXPContainers containers);
    TXPControls XPControls() const { return xpControls_; }
    void SetXPControls(TXPControls controls);
    bool Active() const { return active_; }
    void SetActive(bool active);
    bool DisableSubclassing() const { return disableSubclassing_; }
    void SetDisableSubclassing(bool disable);

    // The owner as a scrolling control: a form or a scroll box.
    TWinControl* OwnerForm() const { return ownerForm_; }
    bool SchemeDirty() const { return schemeDirty_; }
    const TColorScheme& Scheme() const { return scheme_; }
    bool IsNTPlatform() const { return isNTPlatform_; }
    bool IsWindowsXP() const { return isWindowsXP_; }

    // The activation walk: StyleComponent on each component that container owns, in order.
    void WalkComponents(TComponent* container, bool activate, bool redraw);
    void StyleComponent(TComponent* component, bool activate, bool redraw);
    void HookMenuItem(TMenuItem* item, bool activate);
    void HookMenuTree(TMenuItem* item, bool activate);
    // Whether the mouse pointer, less the control's Left and Top, lies in rect (right and bottom edges out,
    // and the last row too).
    bool CursorInItemRect(TControl* control, const RECT& rect) const;
    // Derives the scheme from the settings (or the system colours) and the canvas device's colour depth.
    void BuildColorScheme(TCanvas& canvas);
    // The same at the screen's colour depth, read from a screen-compatible device (no window is needed).
    void BuildScreenColorScheme();

    // Bound into menu items by the walk.
    void HandleMeasureItem(TComponent* sender, TCanvas& canvas, int& width, int& height);
    void HandleDrawItem(TComponent* sender, TCanvas& canvas, RECT rect, bool selected);
    // Bound into tool bars and control bars by the walk: one button, or one band, drawn flat.
    void HandleToolButtonDraw(TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw);
    void HandleBandPaint(TComponent* sender, TControl* control, TCanvas& canvas, RECT& rect,
                         TBandPaintOptions& options);
    // True when the item's events hold this style's (any TFlatStyle's) handlers.
    static bool HoldsDrawHandler(const TMenuItem& item);
    static bool HoldsMeasureHandler(const TMenuItem& item);

    // Painting of one item; public so the flat look can be drawn into a bitmap of one's own.
    void PaintMenuItem(TMenuItem& item, TCanvas& canvas, bool selected, const RECT& rect);
    SIZE GetItemImageSize(TMenuItem& item, TMenu* menu);
    void PaintGradientStrip(TCanvas& canvas, const RECT& rect, bool rightToLeft);
    TColor ContrastTextColor(TColor color);
    // The shaded form for a menu item in high colour left to right, the plain form otherwise.
    void PaintSelectedTopItem(TItemHost host, TCanvas& canvas, const RECT& rect, TColor color, bool rightToLeft);
    void PaintCheckMark(TMenuItem& item, bool selected, const RECT& markBox, TCanvas& canvas, bool hasImage,
                        bool enabled);
    void PaintItemText(const std::string& text, UINT flags, bool rightToLeft, bool topLevel, bool isDefault,
                       bool enabled, bool selected, RECT textRect, TCanvas& canvas, const std::string& shortCut,
                       const TFont* font = nullptr, TItemHost host = TItemHost::Control);
    void PaintGlyph(TCanvas& canvas, bool rightToLeft, bool topLevel, bool checked, bool enabled, bool pressed,
                    bool selected, const RECT& rect, TBitmap& glyph, TItemHost host = TItemHost::Control);

    // Frames a popup-menu window flatly (with a shadow outside Windows XP) and keeps it framed until it hides.
    void PaintFlatMenuFrame(HWND window, bool rightToLeft);

    // Creates, moves and restores the painters of controls of an XPControls kind on a parent of an XPContainers
    // kind; the style's own unless replaced.
    void SetControlStyler(TControlStyler* styler) { styler_ = styler; }
    TControlStyler* ControlStyler() const { return styler_; }

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetSchemeColor(TColor& field, TColor color);
    void RedrawMenuBar();
    template <class Set>
    void ChangeKinds(Set& field, Set value);
    bool StyleControl(TComponent* component, bool activate, bool redraw);
    void ReleaseOwnHandlers();
    void RequestFrame(TMenuItem& item, TCanvas& canvas);

    // The steps of painting one tool button and one menu item.
    struct TToolButtonLayout;
    TToolButtonLayout LayOutToolButton(TCanvas& canvas, TToolBar& bar, TToolButton& button, const TBitmap& glyph);
    void PaintToolButtonFace(TCanvas& canvas, const TToolButtonLayout& at, TToolBar& bar, TToolButton& button,
                             TCustomDrawState state, TColor background);
    struct TMenuItemLayout;
    TMenuItemLayout LayOutMenuItem(TMenuItem& item, const RECT& rect, const TBitmap& glyph, bool hasImage);
    void PaintMenuItemBackground(TCanvas& canvas, const TMenuItemLayout& at, const RECT& picture);
    bool PaintMenuItemHighlight(TMenuItem& item, TCanvas& canvas, const TMenuItemLayout& at, bool selected,
                                const RECT& rect);
    void PaintMenuItemCaption(TMenuItem& item, TCanvas& canvas, const TMenuItemLayout& at, bool selected);
    void PaintOpaqueText(const std::string& text, UINT flags, RECT textRect, TCanvas& canvas, TColor color);

    std::uint8_t dimLevel_ = 30;
    std::uint8_t grayLevel_ = 10;
    TFont font_;
    TColor color_ = clBtnFace;
    bool drawMenuBar_ = false;
    TColor iconBackColor_ = clBtnFace;
    TColor menuBarColor_ = clBtnFace;
    TColor selectColor_ = clHighlight;
    TColor selectBorderColor_ = clHighlight;
    TColor selectFontColor_ = clMenuText;
    TColor disabledColor_ = clInactiveCaption;
    TColor separatorColor_ = clBtnFace;
    TColor checkedColor_ = clHighlight;
    int iconWidth_ = 24;
    bool drawSelect_ = true;
    bool useSystemColors_ = true;
    bool useDimColor_ = false;
    bool overrideOwnerDraw_ = false;
    bool gradient_ = false;
    bool flatMenu_ = false;
    bool autoDetect_ = false;
    TXPContainers xpContainers_ = 0;
    TXPControls xpControls_ = 0;
    bool active_ = false;
    bool disableSubclassing_ = false;

    TWinControl* ownerForm_ = nullptr;
    bool schemeDirty_ = true;
    TColorScheme scheme_;
    bool isNTPlatform_ = false;
    bool isWindowsXP_ = false;
    bool framePainting_ = false;
    std::unique_ptr<TControlStyler> ownStyler_;
    TControlStyler* styler_ = nullptr;
};

// The painters a TFlatStyle's walk puts on controls of an XPControls kind on a parent of an XPContainers kind,
// which the manager hands over or restores.
class TControlStyler {
public:
    virtual ~TControlStyler() = default;
    // Puts a painter in front of the control's window procedure, saving its look.
    virtual void Subclass(TFlatStyle& style, TControl& control) = 0;
    // Moves the painters of controls not on exceptForm (all of them when it is nullptr) from this style to
    // successor.
    virtual void MoveTo(TFlatStyle& successor, TWinControl* exceptForm) = 0;
    // Gives the controls on form their own window procedure and look back.
    virtual void Restore(TWinControl& form) = 0;
};
