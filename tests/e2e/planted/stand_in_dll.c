/* A stand-in for a system DLL, as someone could leave one beside the program: it exports every
   name of the DLL it stands in for (all of them this one do-nothing function) and leaves a marker
   file, its own path with ".loaded" appended, the moment it is loaded. Built without the C
   runtime, so loading it loads nothing else. */
#include <windows.h>

int StandInExport(void) { return 0; }

BOOL WINAPI StandInEntry(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        static const wchar_t suffix[] = L".loaded";
        wchar_t path[MAX_PATH + sizeof suffix / sizeof suffix[0]];
        const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            lstrcpyW(path + length, suffix);
            HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
            if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
        }
    }
    return TRUE;
}
