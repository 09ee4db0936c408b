// A list of same-sized pictures with a mask, shared by tool bars, list views and their headers.
#include "toolkit/graphics/ImageList.h"

#include "toolkit/core/Exception.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/WinGuards.h"

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(width), height_(height),
      list_(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 8, 8)) {
    if (list_ == nullptr) throw Exception("Cannot create an image list");
}

TImageList::~TImageList() { ImageList_Destroy(list_); }

int TImageList::Count() const { return ImageList_GetImageCount(list_); }

int TImageList::AddFromResource(HINSTANCE module, const char* name, COLORREF mask) {
    TBitmapHandle bitmap(static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap) return 0;
    const int before = Count();
    if (ImageList_AddMasked(list_, bitmap.Get(), mask) < 0) return 0;
    return Count() - before;
}

bool TImageList::Draw(TCanvas& canvas, int x, int y, int index) {
    if (index < 0 || index >= Count()) return false;
    return ImageList_DrawEx(list_, index, canvas.Handle(), x, y, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT) != FALSE;
}
