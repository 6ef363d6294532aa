// The window properties through which the skin engine finds its records from a window handle.
// Painters of every control family rely on these exact keys.
#pragma once

#include <windows.h>

#include <cstdint>

namespace yf::prop {

inline constexpr wchar_t kListIndex[] = L"Hw_lbID";   // 1-based index in its list
inline constexpr wchar_t kOwnerIndex[] = L"Hw_FuID";  // WindowList index of the owning window
inline constexpr wchar_t kOldProc[] = L"Hw_hProc";    // procedure before subclassing
inline constexpr wchar_t kKeyedIndex[] = L"Kj_lbID";
inline constexpr wchar_t kKeyedOwner[] = L"Kj_FuID";
inline constexpr wchar_t kKeyedProc[] = L"Kj_hProc";
inline constexpr wchar_t kTextColour[] = L"Kj_Ztys";  // COLORREF of a see-through child's text
inline constexpr wchar_t kBackgroundBrush[] = L"Kj_dxjb";
inline constexpr wchar_t kBackgroundBitmap[] = L"Kj_wtjb";
inline constexpr wchar_t kOwnImageMark[] = L"Wxk_Zpf";  // a window composing its own image
inline constexpr wchar_t kOwnImageDc[] = L"Wxk_Cj";
inline constexpr wchar_t kImageAncestor[] = L"Mb_zpf";

inline void Set(HWND window, const wchar_t* key, std::intptr_t value) {
    ::SetPropW(window, key, reinterpret_cast<HANDLE>(value));
}

inline std::intptr_t Get(HWND window, const wchar_t* key) {
    return reinterpret_cast<std::intptr_t>(::GetPropW(window, key));
}

inline void Remove(HWND window, const wchar_t* key) {
    ::RemovePropW(window, key);
}

}  // namespace yf::prop
