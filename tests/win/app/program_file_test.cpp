// The built program file as the system reads it: the version resource Explorer's properties show,
// and the application manifest the loader turns into the process's activation context.
#include <gtest/gtest.h>

#include <objbase.h>
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "core/wide_text_win.h"

namespace yf {
namespace {

// The program is built beside the test executable.
std::wstring ProgramPath() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"yfshutdown.exe";
}

class ProgramFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = ProgramPath();
        ASSERT_NE(::GetFileAttributesW(path_.c_str()), INVALID_FILE_ATTRIBUTES) << Narrow(path_);
    }

    std::wstring path_;
};

TEST_F(ProgramFileTest, VersionResourceNamesTheProgramAndRelease) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path_.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<unsigned char> block(size);
    ASSERT_TRUE(::GetFileVersionInfoW(path_.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 2));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 2));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    // Explorer reads the strings of the first translation listed.
    struct Translation {
        WORD language, codePage;
    }* translations = nullptr;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&translations), &length));
    ASSERT_GE(length, sizeof(Translation));
    EXPECT_EQ(translations[0].language, 0x0804);
    EXPECT_EQ(translations[0].codePage, 1200);
    wchar_t prefix[64];
    swprintf(prefix, 64, L"\\StringFileInfo\\%04x%04x\\", translations[0].language,
             translations[0].codePage);
    const auto text = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        UINT chars = 0;
        const std::wstring key = prefix + std::wstring(name);
        if (!::VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&value),
                              &chars) ||
            !value) {
            return std::string("<missing>");
        }
        return Narrow(value);
    };
    EXPECT_EQ(text(L"FileDescription"), "远帆定时关机软件");
    EXPECT_EQ(text(L"ProductName"), "远帆定时关机软件");
    EXPECT_EQ(text(L"FileVersion"), "2.0.0.0");
    EXPECT_EQ(text(L"ProductVersion"), "2.0.0.0");
    EXPECT_EQ(text(L"OriginalFilename"), "yfshutdown.exe");
    EXPECT_NE(text(L"LegalCopyright").find("远帆"), std::string::npos) << text(L"LegalCopyright");
}

// The loader's own reading of the manifest: it must parse, ask for no elevation, and declare
// Windows 7 to 11 so that version checks see the real system.
TEST_F(ProgramFileTest, ManifestRunsAsInvokerOnWindows7To11) {
    ACTCTXW request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path_.c_str();
    request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    HANDLE context = ::CreateActCtxW(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << "error " << ::GetLastError();

    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel{};
    SIZE_T written = 0;
    EXPECT_TRUE(::QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext,
                               &runLevel, sizeof(runLevel), &written));
    EXPECT_EQ(runLevel.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    EXPECT_EQ(runLevel.UiAccess, 0u);

    // Newer systems append the highest version tested to each element, as Wine does; the
    // headers here know only the older, shorter element.
    struct WideElement {
        GUID id;
        ACTCTX_COMPATIBILITY_ELEMENT_TYPE type;
        ULONGLONG maxVersionTested;
    };
    struct WideInformation {
        DWORD count;
        WideElement elements[1];
    };
    alignas(WideInformation) unsigned char buffer[1024] = {};
    ASSERT_TRUE(::QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext,
                               buffer, sizeof(buffer), &written))
        << "error " << ::GetLastError();
    const DWORD count = reinterpret_cast<const WideInformation*>(buffer)->count;
    const bool wide = written >= offsetof(WideInformation, elements) + count * sizeof(WideElement);
    std::vector<std::wstring> declared;
    for (DWORD i = 0; i < count; ++i) {
        const auto& narrow =
            reinterpret_cast<const ACTIVATION_CONTEXT_COMPATIBILITY_INFORMATION*>(buffer)
                ->Elements[i];
        const auto& broad = reinterpret_cast<const WideInformation*>(buffer)->elements[i];
        const GUID& id = wide ? broad.id : narrow.Id;
        if ((wide ? broad.type : narrow.Type) != ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) continue;
        wchar_t text[64] = {};
        ::StringFromGUID2(id, text, 64);
        std::wstring name = text;
        std::transform(name.begin(), name.end(), name.begin(), ::towlower);
        declared.push_back(name);
    }
    std::sort(declared.begin(), declared.end());
    const std::vector<std::wstring> expected = {
        L"{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
        L"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
        L"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
        L"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
    };
    EXPECT_EQ(declared, expected);
    ::ReleaseActCtx(context);
}

}  // namespace
}  // namespace yf
