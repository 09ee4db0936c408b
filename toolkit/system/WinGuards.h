// Scoped owners of Win32 handles, COM references and disabled windows: freed once, never copied, movable.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <shtypes.h>

#include <utility>
#include <vector>

// Traits of handles whose empty value is the null handle.
template <class Handle>
struct TNullIsEmpty {
    static bool Valid(Handle h) { return h != Handle(); }
};

// Traits of kernel handles, where calls that fail give INVALID_HANDLE_VALUE (CreateFile, FindFirstFile) or null.
struct TInvalidIsEmpty {
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
};

// Generic owner: Traits::Free(handle) releases a handle that Traits::Valid accepts; any other value is empty.
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
    explicit operator bool() const { return Traits::Valid(handle_); }
    Handle Release() { return std::exchange(handle_, Handle()); }
    void Reset(Handle handle = Handle()) {
        Handle old = std::exchange(handle_, handle);
        if (Traits::Valid(old)) Traits::Free(old);
    }

private:
    Handle handle_ = Handle();
};

struct TKernelHandleTraits : TInvalidIsEmpty { static void Free(HANDLE h) { CloseHandle(h); } };
struct TFindTraits : TInvalidIsEmpty { static void Free(HANDLE h) { FindClose(h); } };
struct TGdiObjectTraits : TNullIsEmpty<HGDIOBJ> { static void Free(HGDIOBJ h) { DeleteObject(h); } };
struct TMemoryDCTraits : TNullIsEmpty<HDC> { static void Free(HDC h) { DeleteDC(h); } };
struct TRegKeyTraits : TNullIsEmpty<HKEY> { static void Free(HKEY h) { RegCloseKey(h); } };
struct TMenuTraits : TNullIsEmpty<HMENU> { static void Free(HMENU h) { DestroyMenu(h); } };
struct THookTraits : TNullIsEmpty<HHOOK> { static void Free(HHOOK h) { UnhookWindowsHookEx(h); } };
struct TCoTaskMemTraits : TNullIsEmpty<ITEMIDLIST*> { static void Free(ITEMIDLIST* p) { CoTaskMemFree(p); } };

// CreateFile and friends: both null and INVALID_HANDLE_VALUE are empty.
using TKernelHandle = TScopedHandle<HANDLE, TKernelHandleTraits>;
// FindFirstFile: closed with FindClose.
using TFindHandle = TScopedHandle<HANDLE, TFindTraits>;
// A shell item identifier list that the shell allocated for the caller.
using TPidl = TScopedHandle<ITEMIDLIST*, TCoTaskMemTraits>;
using TFontHandle = TScopedHandle<HFONT, TGdiObjectTraits>;
using TPenHandle = TScopedHandle<HPEN, TGdiObjectTraits>;
using TBrushHandle = TScopedHandle<HBRUSH, TGdiObjectTraits>;
using TBitmapHandle = TScopedHandle<HBITMAP, TGdiObjectTraits>;
using TRegionHandle = TScopedHandle<HRGN, TGdiObjectTraits>;
using TMemoryDC = TScopedHandle<HDC, TMemoryDCTraits>;
using TRegKey = TScopedHandle<HKEY, TRegKeyTraits>;
using TMenuHandle = TScopedHandle<HMENU, TMenuTraits>;
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

// COM on this thread for a scope: uninitialised on leaving when the initialisation succeeded.
class TComInitialization {
public:
    TComInitialization() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~TComInitialization() {
        if (initialized_) CoUninitialize();
    }
    TComInitialization(const TComInitialization&) = delete;
    TComInitialization& operator=(const TComInitialization&) = delete;
    TComInitialization(TComInitialization&& other) noexcept : initialized_(std::exchange(other.initialized_, false)) {}
    TComInitialization& operator=(TComInitialization&&) = delete;
    bool Initialized() const { return initialized_; }

private:
    bool initialized_;
};

// Holds one reference to a COM interface and releases it.
template <class T>
class TComRef {
public:
    TComRef() = default;
    ~TComRef() { Reset(); }
    TComRef(const TComRef&) = delete;
    TComRef& operator=(const TComRef&) = delete;
    TComRef(TComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    TComRef& operator=(TComRef&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // The place an interface-returning call writes to; whatever was held is released first.
    T** Out() {
        Reset();
        return &p_;
    }
    // Takes one more reference to an interface held elsewhere.
    void Share(T* p) {
        if (p != nullptr) p->AddRef();
        Reset();
        p_ = p;
    }
    void Reset() {
        if (p_ != nullptr) std::exchange(p_, nullptr)->Release();
    }

private:
    T* p_ = nullptr;
};

// Windows disabled for a scope (other windows while one is modal): enabled again on leaving, or at Restore,
// each one that still exists.
class TDisabledWindows {
public:
    TDisabledWindows() = default;
    ~TDisabledWindows() { Restore(); }
    TDisabledWindows(const TDisabledWindows&) = delete;
    TDisabledWindows& operator=(const TDisabledWindows&) = delete;
    TDisabledWindows(TDisabledWindows&& other) noexcept : windows_(std::move(other.windows_)) { other.windows_.clear(); }
    TDisabledWindows& operator=(TDisabledWindows&&) = delete;

    // Disables an enabled window and remembers it; a window already disabled is left to whoever disabled it.
    void Disable(HWND window) {
        if (window == nullptr || !IsWindowEnabled(window)) return;
        EnableWindow(window, FALSE);
        windows_.push_back(window);
    }
    void Restore() {
        for (HWND window : windows_)
            if (IsWindow(window)) EnableWindow(window, TRUE);
        windows_.clear();
    }

private:
    std::vector<HWND> windows_;
};
