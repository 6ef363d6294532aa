// System DLLs loaded by name come from the system folder, by either way the system offers, and
// the delay-load helper of every program built from the library asks the hook that does so.
#include <gtest/gtest.h>

#include <windows.h>

#include <delayimp.h>

#include <cwctype>
#include <string>

#include "core/system_libraries_win.h"
#include "core/wide_text_win.h"

namespace yf {
namespace {

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    ::GetSystemDirectoryW(folder, MAX_PATH);
    return Lower(folder);
}

std::wstring FolderOf(HMODULE module) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring folder = path;
    folder.resize(folder.find_last_of(L"\\/"));
    return Lower(folder);
}

TEST(SystemLibrariesTest, EitherSearchLoadsFromTheSystemFolder) {
    // The flag is Windows 8's way (and Windows 7's with its update); the full path the way left
    // on Windows 7 without it.
    for (const SystemFolderSearch search :
         {SystemFolderSearch::kBySearchFlag, SystemFolderSearch::kByFullPath}) {
        SCOPED_TRACE(static_cast<int>(search));
        for (const wchar_t* dll : {L"msimg32.dll", L"winmm.dll"}) {
            const HMODULE module = LoadSystemLibrary(dll, search);
            ASSERT_NE(module, nullptr) << Narrow(dll) << ": error " << ::GetLastError();
            EXPECT_EQ(Narrow(FolderOf(module)), Narrow(SystemFolder())) << Narrow(dll);
        }
        EXPECT_EQ(LoadSystemLibrary(L"no-such-library.dll", search), nullptr);
    }
}

TEST(SystemLibrariesTest, DelayLoadHelperTakesTheDllFromTheSystemFolder) {
    // Null would be the runtime's own default: the helper would then load by name.
    ASSERT_NE(__pfnDliNotifyHook2, nullptr);
    DelayLoadInfo info{};
    info.cb = sizeof(info);
    info.szDll = "WININET.dll";
    const auto module =
        reinterpret_cast<HMODULE>(__pfnDliNotifyHook2(dliNotePreLoadLibrary, &info));
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(Narrow(FolderOf(module)), Narrow(SystemFolder()));
    // Everything else is left to the helper.
    EXPECT_EQ(__pfnDliNotifyHook2(dliNotePreGetProcAddress, &info), nullptr);
    EXPECT_EQ(__pfnDliNotifyHook2(dliStartProcessing, &info), nullptr);
}

TEST(SystemLibrariesTest, SystemFunctionFindsWhatTheSystemHas) {
    using TickCount = ULONGLONG(WINAPI*)();
    EXPECT_NE(SystemFunction<TickCount>(L"kernel32.dll", "GetTickCount64"), nullptr);
    EXPECT_EQ(SystemFunction<TickCount>(L"kernel32.dll", "NoSuchFunction"), nullptr);
    EXPECT_EQ(SystemFunction<TickCount>(L"no-such-library.dll", "GetTickCount64"), nullptr);
}

}  // namespace
}  // namespace yf
