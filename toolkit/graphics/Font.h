// Font description with a lazily created GDI font and a change notification.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/graphics/Color.h"
#include "toolkit/core/Method.h"
#include "toolkit/system/WinGuards.h"

enum TFontStyle : unsigned { fsBold = 1u << 0, fsItalic = 1u << 1, fsUnderline = 1u << 2, fsStrikeOut = 1u << 3 };

class TFont {
public:
    TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Character height in pixels; negative as the system takes it (-11 is 8 points at 96 dots per inch).
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);

    // Copies every attribute of another font (one change notification).
    void Assign(const TFont& other);
    void AssignLogFont(const LOGFONTA& logFont);
    bool SameAs(const TFont& other) const;

    HFONT Handle();

    // Called after any attribute changed.
    TMethod<void()> OnChange;

private:
    void Changed();

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    unsigned style_ = 0;
    BYTE charset_ = DEFAULT_CHARSET;
    TFontHandle handle_;
};

int ScreenPixelsPerInch();
