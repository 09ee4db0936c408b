// Off-screen picture with its own canvas; optionally drawn with one colour left out.
#include "toolkit/graphics/Bitmap.h"

TBitmap::TBitmap() : dc_(CreateCompatibleDC(nullptr)) { canvas_.SetHandle(dc_.Get()); }

TBitmap::~TBitmap() {
    canvas_.SetHandle(nullptr);
    selection_.reset();
}

void TBitmap::Adopt(HBITMAP bitmap) {
    selection_.reset();
    bitmap_.Reset(bitmap);
    width_ = height_ = 0;
    if (bitmap == nullptr) return;
    BITMAP info{};
    GetObjectA(bitmap, sizeof(info), &info);
    width_ = info.bmWidth;
    height_ = info.bmHeight;
    selection_ = std::make_unique<TSelectObject>(dc_.Get(), bitmap);
}

void TBitmap::SetSize(int width, int height) {
    if (width <= 0 || height <= 0) {
        Adopt(nullptr);
        return;
    }
    TWindowDC screen(nullptr);
    Adopt(CreateCompatibleBitmap(screen.Get(), width, height));
    RECT all{0, 0, width_, height_};
    ::FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

bool TBitmap::LoadFromResourceName(HINSTANCE module, const char* name) {
    HBITMAP loaded = static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (loaded == nullptr) return false;
    Adopt(loaded);
    return true;
}

TColor TBitmap::TransparentColor() {
    if (width_ == 0 || height_ == 0) return clWhite;
    return canvas_.Pixel(0, height_ - 1);
}
