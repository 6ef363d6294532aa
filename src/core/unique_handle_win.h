// One move-only owner for every native handle, so each handle is released exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace yf {

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }

    Handle release() { return std::exchange(handle_, Traits::Invalid()); }
    void reset(Handle handle = Traits::Invalid()) {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct GdiObjectTraits {
    static HGDIOBJ Invalid() { return nullptr; }
    static void Close(HGDIOBJ h) { ::DeleteObject(h); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { ::DestroyIcon(h); }
};
struct MemoryDcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { ::DeleteDC(h); }
};
struct MenuTraits {
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
struct WindowTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) { ::DestroyWindow(h); }
};
struct HookTraits {
    static HHOOK Invalid() { return nullptr; }
    static void Close(HHOOK h) { ::UnhookWindowsHookEx(h); }
};

using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using UniqueGdiObject = UniqueHandle<HGDIOBJ, GdiObjectTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;
using UniqueHook = UniqueHandle<HHOOK, HookTraits>;

// Typed GDI owners: the handle type is kept so callers need no casts.
template <typename Gdi>
struct TypedGdiTraits {
    static Gdi Invalid() { return nullptr; }
    static void Close(Gdi h) { ::DeleteObject(h); }
};
using UniqueFont = UniqueHandle<HFONT, TypedGdiTraits<HFONT>>;
using UniqueBrush = UniqueHandle<HBRUSH, TypedGdiTraits<HBRUSH>>;
using UniqueBitmap = UniqueHandle<HBITMAP, TypedGdiTraits<HBITMAP>>;
using UniquePen = UniqueHandle<HPEN, TypedGdiTraits<HPEN>>;
using UniqueRegion = UniqueHandle<HRGN, TypedGdiTraits<HRGN>>;

// Selects a GDI object into a DC for one scope and puts the previous one back into that DC.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_) ::SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// GetDC (client area) or GetWindowDC (whole window, frame included) with its ReleaseDC.
class WindowDc {
public:
    enum class Area { Client, Whole };
    explicit WindowDc(HWND window, Area area = Area::Client)
        : window_(window), dc_(area == Area::Client ? ::GetDC(window) : ::GetWindowDC(window)) {}
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace yf
