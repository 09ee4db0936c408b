// Scoped owners of Win32 handles: each frees its handle once, cannot be copied, and can be moved.
#pragma once

#include <windows.h>

#include <utility>

// Generic owner: Traits::Free(handle) releases a non-null handle.
template <class Handle, class Traits>
class TScopedHandle {
public:
    TScopedHandle() = default;
    explicit TScopedHandle(Handle handle) : handle_(handle) {}
    ~TScopedHandle() { Reset(); }
    TScopedHandle(const TScopedHandle&) = delete;
    TScopedHandle& operator=(const TScopedHandle&) = delete;
    TScopedHandle(TScopedHandle&& other) noexcept : handle_(other.Release()) {}
    TScopedHandle& operator=(TScopedHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle(); }
    Handle Release() { return std::exchange(handle_, Handle()); }
    void Reset(Handle handle = Handle()) {
        Handle old = std::exchange(handle_, handle);
        if (old != Handle()) Traits::Free(old);
    }

private:
    Handle handle_ = Handle();
};

struct TKernelHandleTraits { static void Free(HANDLE h) { if (h != INVALID_HANDLE_VALUE) CloseHandle(h); } };
struct TGdiObjectTraits { static void Free(HGDIOBJ h) { DeleteObject(h); } };
struct TMemoryDCTraits { static void Free(HDC h) { DeleteDC(h); } };
struct TRegKeyTraits { static void Free(HKEY h) { RegCloseKey(h); } };
struct TMenuTraits { static void Free(HMENU h) { DestroyMenu(h); } };
struct TIconTraits { static void Free(HICON h) { DestroyIcon(h); } };
struct TGlobalTraits { static void Free(HGLOBAL h) { GlobalFree(h); } };
struct THookTraits { static void Free(HHOOK h) { UnhookWindowsHookEx(h); } };

using TKernelHandle = TScopedHandle<HANDLE, TKernelHandleTraits>;
using TFontHandle = TScopedHandle<HFONT, TGdiObjectTraits>;
using TPenHandle = TScopedHandle<HPEN, TGdiObjectTraits>;
using TBrushHandle = TScopedHandle<HBRUSH, TGdiObjectTraits>;
using TBitmapHandle = TScopedHandle<HBITMAP, TGdiObjectTraits>;
using TRegionHandle = TScopedHandle<HRGN, TGdiObjectTraits>;
using TMemoryDC = TScopedHandle<HDC, TMemoryDCTraits>;
using TRegKey = TScopedHandle<HKEY, TRegKeyTraits>;
using TMenuHandle = TScopedHandle<HMENU, TMenuTraits>;
using TIconHandle = TScopedHandle<HICON, TIconTraits>;
using TGlobalMemory = TScopedHandle<HGLOBAL, TGlobalTraits>;
using TWindowsHook = TScopedHandle<HHOOK, THookTraits>;

// A device context from GetDC (client area) or GetWindowDC (whole window), released with ReleaseDC.
class TWindowDC {
public:
    enum TArea { daClient, daWholeWindow };
    explicit TWindowDC(HWND window, TArea area = daClient)
        : window_(window), dc_(area == daClient ? GetDC(window) : GetWindowDC(window)) {}
    ~TWindowDC() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class TPaintDC {
public:
    explicit TPaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~TPaintDC() { EndPaint(window_, &paint_); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    HDC Get() const { return dc_; }
    const RECT& UpdateRect() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects a GDI object into a device context and selects the previous one back on leaving.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~TSelectObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A library loaded with LoadLibraryA for a few calls and freed again.
class TLoadedLibrary {
public:
    explicit TLoadedLibrary(const char* name) : module_(LoadLibraryA(name)) {}
    ~TLoadedLibrary() {
        if (module_ != nullptr) FreeLibrary(module_);
    }
    TLoadedLibrary(const TLoadedLibrary&) = delete;
    TLoadedLibrary& operator=(const TLoadedLibrary&) = delete;
    // The exported function as type F, or nullptr.
    template <class F>
    F Function(const char* name) const {
        if (module_ == nullptr) return nullptr;
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

// Saves a device context's state (origin, clipping, selected objects) and restores it on leaving.
class TSavedDCState {
public:
    explicit TSavedDCState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~TSavedDCState() {
        if (saved_ != 0) RestoreDC(dc_, saved_);
    }
    TSavedDCState(const TSavedDCState&) = delete;
    TSavedDCState& operator=(const TSavedDCState&) = delete;

private:
    HDC dc_;
    int saved_;
};
