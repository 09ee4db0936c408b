// A list of same-sized pictures with a mask, shared by tool bars, list views and their headers.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "toolkit/core/Component.h"

class TBitmap;
class TCanvas;

class TImageList : public TComponent {
public:
    TImageList(TComponent* owner, int width, int height);
    ~TImageList() override;
    const char* ClassName() const override { return "TImageList"; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;
    HIMAGELIST Handle() const { return list_; }

    // Cuts a bitmap resource into pictures of the list's size, left to right; pixels of the mask colour
    // are left out. Returns the number added: 0 when the resource is missing or cannot be added.
    int AddFromResource(HINSTANCE module, const char* name, COLORREF mask);

    // Draws picture index with its mask at (x, y) in its natural size; an index outside the list draws nothing
    // and gives false.
    bool Draw(TCanvas& canvas, int x, int y, int index);

private:
    int width_;
    int height_;
    HIMAGELIST list_;
};
