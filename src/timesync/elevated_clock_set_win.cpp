#include "timesync/elevated_clock_set_win.h"

#include <objbase.h>
#include <shellapi.h>

#include <vector>

#include "core/background_job_win.h"
#include "core/system_clock_win.h"
#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "timesync/clock_setter_win.h"
#include "timesync/elevated_clock_set.h"

namespace yf {
namespace {

struct LocalMemoryTraits {
    static wchar_t** Invalid() { return nullptr; }
    static void Close(wchar_t** memory) { ::LocalFree(memory); }
};

std::optional<DWORD> RunElevated(HWND owner, const std::wstring& program,
                                 const std::wstring& parameters) {
    // The shell may hand the verb to extensions that need COM on the calling thread.
    const HRESULT com =
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    // No error box of the shell's own: a failure is reported by the program's failure box.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.hwnd = owner;
    info.lpVerb = L"runas";
    info.lpFile = program.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_HIDE;
    std::optional<DWORD> exitCode;
    if (::ShellExecuteExW(&info) && info.hProcess) {
        const UniqueKernelHandle process(info.hProcess);
        DWORD code = 0;
        if (::WaitForSingleObject(process.get(), kRunWaitMs) == WAIT_OBJECT_0 &&
            ::GetExitCodeProcess(process.get(), &code)) {
            exitCode = code;
        }
    }
    if (SUCCEEDED(com)) ::CoUninitialize();
    return exitCode;
}

}  // namespace

std::optional<DWORD> LaunchElevatedAndWait(HWND owner, const std::wstring& program,
                                           const std::wstring& parameters) {
    BackgroundJob<std::optional<DWORD>> job(
        [owner, program, parameters] { return RunElevated(owner, program, parameters); });
    const std::optional<std::optional<DWORD>> result = job.WaitPainting(kConsentWaitMs);
    return result ? *result : std::nullopt;
}

std::wstring OwnExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

bool SetClockElevated(std::int64_t offsetMs, const ElevatedLauncher& launch) {
    const std::wstring program = OwnExecutablePath();
    if (program.empty() || !launch) return false;
    const std::optional<DWORD> exitCode = launch(program, Widen(SetClockArgument(offsetMs)));
    return exitCode && *exitCode == static_cast<DWORD>(elevated_exit::kSet);
}

std::optional<int> RunPrivateRequest() {
    int count = 0;
    const UniqueHandle<wchar_t**, LocalMemoryTraits> argv(
        ::CommandLineToArgvW(::GetCommandLineW(), &count));
    if (!argv) return std::nullopt;
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(Narrow(argv.get()[i]));
    const PrivateRequest request = ReadPrivateRequest(arguments);
    switch (request.kind) {
        case PrivateRequest::Kind::None:
            return std::nullopt;
        case PrivateRequest::Kind::Refused:
            return elevated_exit::kBadRequest;
        case PrivateRequest::Kind::SetClock:
            break;
    }
    const std::int64_t target = SystemClock().UtcMilliseconds() + request.offsetMs;
    return SetSystemClockUtcMilliseconds(target) == ERROR_SUCCESS ? elevated_exit::kSet
                                                                  : elevated_exit::kRefused;
}

}  // namespace yf
