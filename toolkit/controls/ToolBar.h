// Tool bar of flat buttons with an image, a caption under it and a tool tip, and separators.
#pragma once

#include <string>
#include <vector>

#include "toolkit/controls/WinControl.h"
#include "toolkit/graphics/Canvas.h"

class TImageList;
class TMenuItem;
class TToolBar;

enum TToolButtonStyle { tbsButton, tbsSeparator, tbsCheck, tbsDropDown, tbsDivider };

// The state of a button that a custom-draw event is given.
enum TCustomDrawStateFlag : unsigned {
    cdsSelected = 1u << 0, cdsGrayed = 1u << 1, cdsDisabled = 1u << 2, cdsChecked = 1u << 3, cdsFocused = 1u << 4,
    cdsDefault = 1u << 5, cdsHot = 1u << 6, cdsMarked = 1u << 7, cdsIndeterminate = 1u << 8
};
using TCustomDrawState = unsigned;

// Draws one button; leaving defaultDraw true lets the bar draw it as well.
using TToolBarCustomDrawButtonEvent =
    TMethod<void(TToolBar* sender, class TToolButton* button, TCustomDrawState state, bool& defaultDraw)>;

class TToolButton : public TComponent {
public:
    explicit TToolButton(TComponent* owner);
    const char* ClassName() const override { return "TToolButton"; }

    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle style) { style_ = style; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    UINT Command() const { return command_; }
    bool IsSeparator() const;
    bool Down() const { return down_; }
    void SetDown(bool down);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode) { biDiMode_ = mode; }
    // A menu item shown as this button's drop-down.
    TMenuItem* MenuItem() const { return menuItem_; }
    void SetMenuItem(TMenuItem* item) { menuItem_ = item; }
    // The tool bar holding the button, its place there and its bounds in the bar's client area.
    TToolBar* ToolBar() const { return toolBar_; }
    int Index() const;
    RECT BoundsRect() const;

    void Click() { OnClick(this); }
    TNotifyEvent OnClick;

private:
    friend class TToolBar;
    void UpdateState();

    TToolButtonStyle style_ = tbsButton;
    std::string caption_;
    int imageIndex_ = -1;
    std::string hint_;
    UINT command_;
    bool down_ = false;
    bool enabled_ = true;
    TBiDiMode biDiMode_ = bdLeftToRight;
    TMenuItem* menuItem_ = nullptr;
    TToolBar* toolBar_ = nullptr;
};

class TToolBar : public TWinControl {
public:
    explicit TToolBar(TComponent* owner);
    const char* ClassName() const override { return "TToolBar"; }

    void SetImages(TImageList* images) { images_ = images; }
    TImageList* Images() const { return images_; }
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool show) { showCaptions_ = show; }
    void SetButtonSize(int width, int height) {
        buttonWidth_ = width;
        buttonHeight_ = height;
    }
    // Buttons left to right; the bar does not own them (their owner does).
    void AddButton(TToolButton* button) {
        buttons_.push_back(button);
        button->toolBar_ = this;
    }
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TToolButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    // The height the bar needs for its buttons.
    int PreferredHeight();

    // The surface of the button being drawn, while OnCustomDrawButton runs.
    TCanvas& Canvas() { return canvas_; }
    // Runs for each button before the bar draws it.
    TToolBarCustomDrawButtonEvent OnCustomDrawButton;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;
    void NotifyReflected(TMessage& message) override;

private:
    TToolButton* FindCommand(UINT command) const;
    // The bar asks how to draw a button (LParam of NM_CUSTOMDRAW).
    LRESULT CustomDraw(LPARAM header);

    TImageList* images_ = nullptr;
    bool flat_ = true;
    bool showCaptions_ = true;
    TCanvas canvas_;
    std::vector<TToolButton*> buttons_;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
};
