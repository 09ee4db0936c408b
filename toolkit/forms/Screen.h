// The screen: the live forms, the active form, the menu font and the work area.
#pragma once

#include <windows.h>

#include <vector>

#include "toolkit/graphics/Font.h"

class TForm;

class TScreen {
public:
    TScreen();
    TScreen(const TScreen&) = delete;
    TScreen& operator=(const TScreen&) = delete;

    // Every form that exists, in creation order.
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
    // The form that was activated last (a message box does not count).
    TForm* ActiveForm() const { return activeForm_; }

    TFont& MenuFont() { return menuFont_; }
    RECT WorkArea() const;
    POINT CursorPos() const;

private:
    friend class TForm;
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);
    void SetActiveForm(TForm* form) { activeForm_ = form; }

    std::vector<TForm*> forms_;
    TForm* activeForm_ = nullptr;
    TFont menuFont_;
};

extern TScreen* Screen;
