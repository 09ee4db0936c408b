// Tool bar of flat buttons with an image, a caption under it and a tool tip, and separators.
#pragma once

#include <string>
#include <vector>

#include "toolkit/controls/WinControl.h"

class TImageList;

enum TToolButtonStyle { tbsButton, tbsSeparator };

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

    void Click() { OnClick(this); }
    TNotifyEvent OnClick;

private:
    TToolButtonStyle style_ = tbsButton;
    std::string caption_;
    int imageIndex_ = -1;
    std::string hint_;
    UINT command_;
};

class TToolBar : public TWinControl {
public:
    explicit TToolBar(TComponent* owner);
    const char* ClassName() const override { return "TToolBar"; }

    void SetImages(TImageList* images) { images_ = images; }
    void SetButtonSize(int width, int height) {
        buttonWidth_ = width;
        buttonHeight_ = height;
    }
    // Buttons left to right; the bar does not own them (their owner does).
    void AddButton(TToolButton* button) { buttons_.push_back(button); }
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TToolButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    // The height the bar needs for its buttons.
    int PreferredHeight();

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;

private:
    TToolButton* FindCommand(UINT command) const;

    TImageList* images_ = nullptr;
    std::vector<TToolButton*> buttons_;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
};
