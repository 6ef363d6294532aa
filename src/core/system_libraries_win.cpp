#include "core/system_libraries_win.h"

#include <windows.h>

#include <delayimp.h>

#include <cstddef>

namespace yf {
namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

// Looked up rather than imported: Windows 7 without KB2533623 lacks it, and an import of it would
// keep the program from starting there. No static memo either: this runs before the C runtime.
SetDefaultDllDirectoriesFunction FindSetDefaultDllDirectories() {
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return nullptr;
    return reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
}

// The delay-load helper asks before it loads one of the delay-loaded DLLs by name: load it from
// the system folder instead. That holds even where the process-wide search cannot be narrowed
// (Windows 7 without its update), and in programs that never narrowed it (tests, tools).
FARPROC WINAPI LoadDelayedFromSystemFolder(unsigned notification, PDelayLoadInfo info) noexcept {
    if (notification != dliNotePreLoadLibrary || !info || !info->szDll) return nullptr;
    // The names come from the import table: short and ASCII.
    wchar_t name[MAX_PATH] = {};
    for (std::size_t i = 0; info->szDll[i]; ++i) {
        if (i + 1 == MAX_PATH) return nullptr;
        name[i] = static_cast<unsigned char>(info->szDll[i]);
    }
    return reinterpret_cast<FARPROC>(LoadSystemLibrary(name));
}

}  // namespace

void KeepDllSearchInSystemFolder() {
    if (const SetDefaultDllDirectoriesFunction narrow = FindSetDefaultDllDirectories()) {
        narrow(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    // Takes the current directory out of the search order that remains where the call above is
    // missing.
    ::SetDllDirectoryW(L"");
}

SystemFolderSearch AvailableSystemFolderSearch() {
    // The search flags came with SetDefaultDllDirectories; Microsoft's test for them is this one.
    return FindSetDefaultDllDirectories() ? SystemFolderSearch::kBySearchFlag
                                          : SystemFolderSearch::kByFullPath;
}

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
    return LoadSystemLibrary(fileName, AvailableSystemFolderSearch());
}

HMODULE LoadSystemLibrary(const wchar_t* fileName, SystemFolderSearch search) {
    if (search == SystemFolderSearch::kBySearchFlag) {
        return ::LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    wchar_t path[MAX_PATH];
    const UINT folderLength = ::GetSystemDirectoryW(path, MAX_PATH);
    const std::size_t nameLength = ::lstrlenW(fileName);
    if (folderLength == 0 || folderLength + 1 + nameLength >= MAX_PATH) {
        ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return nullptr;
    }
    path[folderLength] = L'\\';
    ::lstrcpyW(path + folderLength + 1, fileName);
    // The altered search makes the DLL's own dependencies come from its folder, not from ours.
    return ::LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace yf

// The delay-load helper's notification hook (a name its library fixes): the helper of every
// program built from this library loads the delay-loaded system DLLs from the system folder.
extern "C" {
#if defined(_MSC_VER)
const PfnDliHook __pfnDliNotifyHook2 = yf::LoadDelayedFromSystemFolder;
#else
PfnDliHook __pfnDliNotifyHook2 = yf::LoadDelayedFromSystemFolder;
#endif
}

#if defined(__MINGW32__) && defined(_WIN64)
// The load configuration, read by the loader of Windows 10 1607 and later: its dependent-load
// flags make the loader look for the program file's own imports in the system folder only. The
// Microsoft runtime brings one of its own; MinGW-w64's does not, and GNU ld does not point the
// header at this one either: the build does (cmake/pe_load_config.py). MinGW's header still calls
// the dependent-load flags field Reserved1.
static_assert(offsetof(IMAGE_LOAD_CONFIG_DIRECTORY64, Reserved1) == 0x4E);
namespace {
constexpr IMAGE_LOAD_CONFIG_DIRECTORY64 SystemFolderLoadConfiguration() {
    IMAGE_LOAD_CONFIG_DIRECTORY64 configuration{};
    configuration.Size = sizeof(configuration);
    configuration.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32;
    return configuration;
}
}  // namespace
extern "C" {
extern const IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used;
[[gnu::used]] constinit const IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used =
    SystemFolderLoadConfiguration();
}
#endif
