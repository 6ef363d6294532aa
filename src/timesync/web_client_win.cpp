#include "timesync/web_client_win.h"

#include <optional>

#include "timesync/read_chunk.h"

namespace yf {
namespace {

constexpr const wchar_t* kUserAgent = L"Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// The parts of a URL that InternetCrackUrlW splits off, held as owned strings.
struct UrlParts {
    INTERNET_SCHEME scheme = INTERNET_SCHEME_UNKNOWN;
    INTERNET_PORT port = 0;
    std::wstring host, user, password, object;
};

bool CrackUrl(std::wstring_view url, UrlParts& parts) {
    const std::wstring text(url);
    URL_COMPONENTSW components{};
    components.dwStructSize = sizeof(components);
    // Lengths of 1 ask for pointers into the text rather than copies.
    components.dwHostNameLength = 1;
    components.dwUserNameLength = 1;
    components.dwPasswordLength = 1;
    components.dwUrlPathLength = 1;
    components.dwExtraInfoLength = 1;
    if (!::InternetCrackUrlW(text.c_str(), static_cast<DWORD>(text.size()), 0, &components)) {
        return false;
    }
    const auto part = [](const wchar_t* at, DWORD length) {
        return at ? std::wstring(at, length) : std::wstring();
    };
    parts.scheme = components.nScheme;
    parts.port = components.nPort;
    parts.host = part(components.lpszHostName, components.dwHostNameLength);
    parts.user = part(components.lpszUserName, components.dwUserNameLength);
    parts.password = part(components.lpszPassword, components.dwPasswordLength);
    parts.object = part(components.lpszUrlPath, components.dwUrlPathLength) +
                   part(components.lpszExtraInfo, components.dwExtraInfoLength);
    if (parts.object.empty()) parts.object = L"/";
    return !parts.host.empty();
}

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

std::optional<std::int64_t> ContentLength(HINTERNET request) {
    DWORD length = 0;
    DWORD size = sizeof(length);
    if (!::HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length,
                          &size, nullptr)) {
        return std::nullopt;
    }
    // A negative length arrives wrapped around.
    return static_cast<LONG>(length);
}

// The Date header's text. Only the text is asked for, and the program's own parser reads it:
// the platform's reading (HTTP_QUERY_FLAG_SYSTEMTIME) is documented for no particular form,
// and Wine's reads fixed character positions and crashes the process on the obsolete forms and
// on a one-digit day, both of which HTTP allows.
std::string DateText(HINTERNET request) {
    wchar_t text[128] = {};
    DWORD size = sizeof(text) - sizeof(wchar_t);
    if (!::HttpQueryInfoW(request, HTTP_QUERY_DATE, text, &size, nullptr)) return {};
    std::string ascii;
    for (DWORD i = 0; i < size / sizeof(wchar_t) && text[i]; ++i) {
        // A date is plain ASCII; anything else stays unreadable rather than turning into a
        // character the parser might take.
        ascii.push_back(text[i] < 0x80 ? static_cast<char>(text[i]) : '?');
    }
    return ascii;
}

// What is left of a deadline, at least 1 ms; 0 once it has passed. Without a deadline, `cap`.
DWORD TimeLeft(const ReadLimits& limits, DWORD cap) {
    if (limits.deadline == 0) return cap;
    const ULONGLONG now = ::GetTickCount64();
    if (now >= limits.deadline) return 0;
    const ULONGLONG left = limits.deadline - now;
    return left < cap ? static_cast<DWORD>(left) : cap;
}

// Windows hands time-outs down from the session to its connections and requests, but not every
// implementation does, so they are set on each handle.
void SetTimeouts(HINTERNET handle, DWORD milliseconds) {
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                         INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        DWORD value = milliseconds;
        ::InternetSetOptionW(handle, option, &value, sizeof(value));
    }
}

}  // namespace

HINTERNET WebClient::Session() {
    if (session_) return session_.get();
    // The system's settings: on the many networks that reach the web only through a proxy,
    // a direct connection would never read a time.
    session_.reset(::InternetOpenW(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session_) return nullptr;
    SetTimeouts(session_.get(), timeoutMs_);
    // One attempt per request: retries would multiply the wait.
    DWORD retries = 1;
    ::InternetSetOptionW(session_.get(), INTERNET_OPTION_CONNECT_RETRIES, &retries,
                         sizeof(retries));
    return session_.get();
}

WebAnswer WebClient::ReadWebPage(std::wstring_view url, const ReadLimits& limits) {
    HINTERNET session = Session();
    UrlParts parts;
    if (!session || !CrackUrl(url, parts)) return {};

    UniqueInternet connection(::InternetConnectW(session, parts.host.c_str(), parts.port,
                                                 OrNull(parts.user), OrNull(parts.password),
                                                 INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return {};
    const DWORD timeLeft = TimeLeft(limits, timeoutMs_);
    if (timeLeft == 0) return {};
    SetTimeouts(connection.get(), timeLeft);

    const wchar_t* acceptTypes[] = {L"*/*", nullptr};
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
    if (parts.scheme == INTERNET_SCHEME_HTTPS) flags |= INTERNET_FLAG_SECURE;
    UniqueInternet request(::HttpOpenRequestW(connection.get(), L"GET", parts.object.c_str(),
                                              L"HTTP/1.0", nullptr, acceptTypes, flags, 0));
    if (!request) return {};
    SetTimeouts(request.get(), timeLeft);
    // The status is not looked at: an error page's body is returned like any other. Sending
    // returns once the head of the answer is in, which ends the round trip.
    const ULONGLONG sent = ::GetTickCount64();
    if (!::HttpSendRequestW(request.get(), nullptr, 0, nullptr, 0)) return {};
    WebAnswer answer;
    answer.roundTripMs = static_cast<std::uint32_t>(::GetTickCount64() - sent);
    answer.date = DateText(request.get());

    std::string& body = answer.body;
    std::string chunk(ReadChunkSize(ContentLength(request.get())), '\0');
    for (;;) {
        // Each wait gets only what is left of the deadline. Asking what has arrived before
        // reading keeps a read from waiting for a full chunk of a body that trickles in.
        const DWORD left = TimeLeft(limits, timeoutMs_);
        if (left == 0) return {};
        SetTimeouts(request.get(), left);
        DWORD available = 0;
        if (!::InternetQueryDataAvailable(request.get(), &available, 0, 0)) break;
        if (available == 0) break;  // the end of the body
        DWORD read = 0;
        const DWORD wanted =
            available < chunk.size() ? available : static_cast<DWORD>(chunk.size());
        if (!::InternetReadFile(request.get(), chunk.data(), wanted, &read) || read == 0) break;
        if (read > limits.maxBody - body.size()) return {};
        body.append(chunk.data(), read);
    }
    // A wait that failed because the deadline came is no broken transfer: nothing came in time.
    if (limits.deadline != 0 && ::GetTickCount64() >= limits.deadline) return {};
    return answer;
}

}  // namespace yf
