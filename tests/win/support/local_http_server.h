// A tiny HTTP server on 127.0.0.1 for tests of the program's HTTP client: it answers every
// connection with one canned response, at once or after a pause, never answers at all, or
// answers a byte at a time with long pauses, and keeps the last request. It serves whatever is
// asked of it, so it stands in for a proxy too.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace yf::testing {

class LocalHttpServer {
  public:
    // Trickle: the response's head at once, then one byte of its body per kTrickleGapMs, going on
    // with "x" past its end until the server goes. Late: the whole response after kLateMs.
    enum class Mode { Answer, Silent, Trickle, Late };
    static constexpr DWORD kTrickleGapMs = 3000;
    static constexpr DWORD kLateMs = 1500;

    explicit LocalHttpServer(std::string response, Mode mode = Mode::Answer)
        : response_(std::move(response)), mode_(mode), listener_(BoundSocket(port_)) {
        ::listen(listener_, 8);
        thread_ = std::thread([this] { Serve(); });
    }
    ~LocalHttpServer() {
        stop_ = true;
        thread_.join();
        for (std::thread& trickle : trickles_) trickle.join();
        for (SOCKET held : held_) ::closesocket(held);
        ::closesocket(listener_);
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    std::wstring Url(const wchar_t* path) const { return UrlAt(port_, path); }
    int Port() const { return port_; }
    static std::wstring UrlAt(int port, const wchar_t* path) {
        return L"http://127.0.0.1:" + std::to_wstring(port) + path;
    }
    // The request line and headers of the last request, as received.
    std::string LastRequest() const {
        std::lock_guard lock(mutex_);
        return lastRequest_;
    }
    int Connections() const { return connections_; }

    // A port nothing listens on: bound once, then released.
    static int FreePort() {
        int port = 0;
        ::closesocket(BoundSocket(port));
        return port;
    }

  private:
    static SOCKET BoundSocket(int& port) {
        static const bool started = [] {
            WSADATA data;
            return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
        }();
        (void)started;
        SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        int size = sizeof(address);
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
        port = ntohs(address.sin_port);
        return s;
    }

    void Serve() {
        while (!stop_) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(listener_, &readable);
            timeval wait{0, 20000};
            if (::select(0, &readable, nullptr, nullptr, &wait) <= 0) continue;
            SOCKET client = ::accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) continue;
            ++connections_;
            if (mode_ == Mode::Silent) {
                held_.push_back(client);  // closed only when the server goes
                continue;
            }
            if (mode_ == Mode::Trickle || mode_ == Mode::Late) {
                // Each on its own thread, so a second request is answered while one waits.
                trickles_.emplace_back(
                    [this, client] { mode_ == Mode::Trickle ? Trickle(client) : Late(client); });
                continue;
            }
            ReadRequest(client);
            Answer(client);
        }
    }

    void Answer(SOCKET client) {
        for (std::size_t sent = 0; sent < response_.size();) {
            const int now = ::send(client, response_.data() + sent,
                                   static_cast<int>(response_.size() - sent), 0);
            if (now <= 0) break;
            sent += static_cast<std::size_t>(now);
        }
        ::shutdown(client, SD_SEND);
        ::closesocket(client);
    }

    void Late(SOCKET client) {
        ReadRequest(client);
        for (DWORD waited = 0; waited < kLateMs && !stop_; waited += 20) ::Sleep(20);
        Answer(client);
    }

    void ReadRequest(SOCKET client) {
        std::string request;
        char buffer[4096];
        int got = 0;
        while (request.find("\r\n\r\n") == std::string::npos &&
               (got = ::recv(client, buffer, sizeof(buffer), 0)) > 0) {
            request.append(buffer, static_cast<std::size_t>(got));
        }
        std::lock_guard lock(mutex_);
        lastRequest_ = request;
    }

    void Trickle(SOCKET client) {
        ReadRequest(client);
        const std::size_t head = response_.find("\r\n\r\n") + 4;
        bool open = ::send(client, response_.data(), static_cast<int>(head), 0) > 0;
        for (std::size_t at = head; open && !stop_; ++at) {
            for (DWORD waited = 0; waited < kTrickleGapMs && !stop_; waited += 20) ::Sleep(20);
            const char byte = at < response_.size() ? response_[at] : 'x';
            open = !stop_ && ::send(client, &byte, 1, 0) == 1;
        }
        ::closesocket(client);
    }

    std::string response_;
    Mode mode_;
    int port_ = 0;
    SOCKET listener_;
    std::atomic<bool> stop_{false};
    std::atomic<int> connections_{0};
    std::vector<SOCKET> held_;
    std::vector<std::thread> trickles_;
    mutable std::mutex mutex_;
    std::string lastRequest_;
    std::thread thread_;
};

}  // namespace yf::testing
