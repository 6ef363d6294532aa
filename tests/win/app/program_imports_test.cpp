// Where the built program file lets Windows look for its DLLs. Windows looks in the program's own
// folder first for every imported DLL that is not one of its known DLLs, and the program is run
// from wherever it was saved: the file imports known DLLs only, takes every other system DLL by
// delay-load (loaded by the entry's narrowed search and the hook, from the system folder), and its
// load configuration asks newer Windows to resolve the imports from the system folder only.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/wide_text_win.h"
#include "support/pe_file.h"

namespace yf {
namespace {

using testing::PeFile;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The program is built beside the test executable.
std::wstring ProgramPath() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"yfshutdown.exe";
}

// Known DLLs of Windows 7 and of Windows 10 and 11 alike (the registry's KnownDLLs list, which
// differs between versions): only these may stay plain imports.
const std::set<std::string> kKnownEverywhere = {
    "advapi32.dll", "comdlg32.dll", "gdi32.dll",    "imm32.dll",  "kernel32.dll",
    "msvcrt.dll",   "ole32.dll",    "oleaut32.dll", "psapi.dll",  "rpcrt4.dll",
    "setupapi.dll", "shell32.dll",  "shlwapi.dll",  "user32.dll", "ws2_32.dll",
};

// The system DLLs the program uses that are not known everywhere, each with a function the
// program calls from it: these must be delay-loaded.
const std::map<std::string, std::string> kDelayLoaded = {
    {"comctl32.dll", "InitCommonControlsEx"},
    {"gdiplus.dll", "GdiplusStartup"},
    {"msimg32.dll", "TransparentBlt"},
    {"wininet.dll", "InternetOpenW"},
    {"winmm.dll", "PlaySoundW"},
};

class ProgramImportsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(file_.Valid()) << Narrow(ProgramPath()); }

    std::vector<std::string> ImportedDlls() const {
        std::vector<std::string> names;
        const IMAGE_DATA_DIRECTORY directory = file_.Directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
        for (DWORD rva = directory.VirtualAddress;; rva += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto entry = file_.Read<IMAGE_IMPORT_DESCRIPTOR>(rva);
            if (!entry || entry->Name == 0) break;
            names.push_back(Lower(file_.Text(entry->Name)));
        }
        return names;
    }

    // GNU ld leaves the delay-import directory empty, and nothing at run time needs it (the
    // helper reads each descriptor directly): the descriptors are found by what they hold, an
    // address-based record whose name is the DLL's and whose name table lists functions.
    std::map<std::string, std::vector<std::string>> DelayLoadedDlls() const {
        std::map<std::string, std::vector<std::string>> found;
        constexpr DWORD kRvaBased = 1;
        for (const auto& [start, size] : file_.Sections()) {
            for (DWORD rva = start; rva + 32 <= start + size; rva += 4) {
                const auto attributes = file_.Read<DWORD>(rva);
                const auto name = file_.Read<DWORD>(rva + 4);
                const auto nameTable = file_.Read<DWORD>(rva + 16);
                if (!attributes || *attributes != kRvaBased || !name || !nameTable) continue;
                const std::string dll = Lower(file_.Text(*name));
                if (!kDelayLoaded.contains(dll)) continue;
                std::vector<std::string> functions = file_.NameTable(*nameTable);
                if (!functions.empty()) found[dll] = std::move(functions);
            }
        }
        return found;
    }

    PeFile file_{ProgramPath()};
};

TEST_F(ProgramImportsTest, ImportsKnownDllsOnly) {
    const std::vector<std::string> imported = ImportedDlls();
    ASSERT_FALSE(imported.empty());
    for (const std::string& dll : imported) {
        EXPECT_TRUE(kKnownEverywhere.contains(dll))
            << dll << " is imported; Windows would look for it in the program's folder first";
    }
}

TEST_F(ProgramImportsTest, TakesTheOtherSystemDllsByDelayLoad) {
    const auto delayLoaded = DelayLoadedDlls();
    for (const auto& [dll, function] : kDelayLoaded) {
        const auto found = delayLoaded.find(dll);
        ASSERT_NE(found, delayLoaded.end()) << dll << " is not delay-loaded";
        EXPECT_NE(std::find(found->second.begin(), found->second.end(), function),
                  found->second.end())
            << dll << " is delay-loaded without " << function;
    }
}

TEST_F(ProgramImportsTest, LoadConfigurationAsksForTheSystemFolder) {
    const IMAGE_DATA_DIRECTORY directory = file_.Directory(IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG);
    ASSERT_NE(directory.VirtualAddress, 0u) << "no load configuration in the header";
    const auto size = file_.Read<DWORD>(directory.VirtualAddress);
    ASSERT_TRUE(size);
    // The loader reads the structure as far as its own first field says.
    EXPECT_EQ(directory.Size, *size);
    constexpr DWORD kDependentLoadFlagsOffset = 0x4E;
    ASSERT_GE(*size, kDependentLoadFlagsOffset + sizeof(WORD));
    const auto flags = file_.Read<WORD>(directory.VirtualAddress + kDependentLoadFlagsOffset);
    ASSERT_TRUE(flags);
    EXPECT_EQ(*flags, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace
}  // namespace yf
