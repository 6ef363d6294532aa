// The program's HTTP client: plain GET requests over WinINet, one session for the whole run,
// through the proxy set in the system's internet settings.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

#include "core/unique_handle_win.h"
#include "timesync/web_time.h"

namespace yf {

struct InternetHandleTraits {
    static HINTERNET Invalid() { return nullptr; }
    static void Close(HINTERNET h) { ::InternetCloseHandle(h); }
};
using UniqueInternet = UniqueHandle<HINTERNET, InternetHandleTraits>;

// Bounds of one read. A read that reaches its deadline, or a body that grows past maxBody,
// gives nothing at all, no Date either: a page that is still arriving or too long is no page.
struct ReadLimits {
    // GetTickCount64() value by which the read must be over; 0 for none.
    ULONGLONG deadline = 0;
    std::size_t maxBody = std::numeric_limits<std::size_t>::max();
};

class WebClient {
  public:
    // Each of connecting, sending and waiting for data gives up after this long, so a host that
    // never answers stalls the window for seconds rather than minutes.
    static constexpr DWORD kDefaultTimeoutMs = 4000;

    explicit WebClient(DWORD timeoutMs = kDefaultTimeoutMs) : timeoutMs_(timeoutMs) {}

    // The answer to a GET of the URL, whatever its status: its body, its Date header and how
    // long the answer took to come; empty when no answer came. A transfer that breaks off
    // returns what arrived before. One read at a time: the session is not guarded for reads on
    // two threads at once.
    WebAnswer ReadWebPage(std::wstring_view url, const ReadLimits& limits = {});

  private:
    HINTERNET Session();

    DWORD timeoutMs_;
    UniqueInternet session_;
};

}  // namespace yf
