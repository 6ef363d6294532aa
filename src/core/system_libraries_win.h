// System DLLs come from the system folder only. The program is run from wherever it was saved,
// often a downloads folder where anyone can leave a file named like a system DLL; Windows looks in
// the program's folder first for every DLL that is not one of its protected known DLLs.
#pragma once

#include <windows.h>

namespace yf {

// Run first at process start, before anything loads a DLL by name: every later load by name
// (ours, the system's own on our behalf, the dependencies of both) searches the system folder
// only, where the system allows that (Windows 8 on, and Windows 7 with its update KB2533623), and
// no load searches the current directory.
void KeepDllSearchInSystemFolder();

// How a system DLL is found: by the system's own system-folder search when it has one, else by
// the full path of the file in the system folder, its dependencies searched from there.
enum class SystemFolderSearch { kBySearchFlag, kByFullPath };
SystemFolderSearch AvailableSystemFolderSearch();

// `fileName` ("winmm.dll") loaded from the system folder, or null (GetLastError tells why). The
// module stays loaded for the rest of the process.
HMODULE LoadSystemLibrary(const wchar_t* fileName);
HMODULE LoadSystemLibrary(const wchar_t* fileName, SystemFolderSearch search);

// A function that only newer systems have, looked up at run time in a system DLL; null where the
// system lacks the DLL or the function.
template <typename Function>
Function SystemFunction(const wchar_t* fileName, const char* functionName) {
    const HMODULE library = LoadSystemLibrary(fileName);
    if (!library) return nullptr;
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(library, functionName)));
}

}  // namespace yf
