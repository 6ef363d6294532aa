/* The control of the planted-DLL check: a program that imports the usual way one function of
   each DLL the stand-ins stand in for, so that started beside them it loads every one. It calls
   none of them (the stand-ins do nothing). */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

/* Declared here rather than through their headers, which drag in far more than one name. */
__declspec(dllimport) BOOL WINAPI InitCommonControlsEx(const void* controls);
__declspec(dllimport) int WINAPI GdiplusStartup(ULONG_PTR* token, const void* input, void* output);
__declspec(dllimport) void* WINAPI InternetOpenW(const wchar_t* agent, DWORD access,
                                                  const wchar_t* proxy, const wchar_t* bypass,
                                                  DWORD flags);
__declspec(dllimport) BOOL WINAPI PlaySoundW(const wchar_t* sound, HMODULE module, DWORD flags);

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR arguments, int show) {
    (void)instance, (void)previous, (void)arguments, (void)show;
    const void* volatile imports[] = {
        (const void*)&InitCommonControlsEx, (const void*)&GdiplusStartup,
        (const void*)&TransparentBlt,       (const void*)&InternetOpenW,
        (const void*)&PlaySoundW,
    };
    return imports[0] ? 0 : 1;
}
