// A tiny HTTP server on 127.0.0.1 for tests of the program's HTTP client: it answers every
// connection with one canned response (or, when told to, never answers) and keeps the last
// request it read, so a test can look at what the client really sent.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace yf::testing {

class LocalHttpServer {
  public:
    enum class Mode { Answer, Silent };

    explicit LocalHttpServer(std::string response, Mode mode = Mode::Answer)
        : response_(std::move(response)), mode_(mode) {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        ::listen(listener_, 8);
        int size = sizeof(address);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }

    ~LocalHttpServer() {
        stop_ = true;
        thread_.join();
        for (SOCKET held : held_) ::closesocket(held);
        ::closesocket(listener_);
        ::WSACleanup();
    }

    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    int Port() const { return port_; }
    std::wstring Url(const wchar_t* path) const {
        return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
    }
    // The request line and headers of the last request, as received.
    std::string LastRequest() const {
        std::lock_guard lock(mutex_);
        return lastRequest_;
    }
    int Connections() const { return connections_; }

    // A port on which nothing listens: bound once, then released.
    static int FreePort() {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
        SOCKET probe = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        int size = sizeof(address);
        ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
        ::closesocket(probe);
        ::WSACleanup();
        return ntohs(address.sin_port);
    }

  private:
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
                held_.push_back(client);  // answered never; closed when the server goes
                continue;
            }
            ReadRequest(client);
            Send(client);
            ::shutdown(client, SD_SEND);
            ::closesocket(client);
        }
    }

    void ReadRequest(SOCKET client) {
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const int got = ::recv(client, buffer, sizeof(buffer), 0);
            if (got <= 0) break;
            request.append(buffer, static_cast<std::size_t>(got));
        }
        std::lock_guard lock(mutex_);
        lastRequest_ = request;
    }

    void Send(SOCKET client) {
        std::size_t sent = 0;
        while (sent < response_.size()) {
            const int now = ::send(client, response_.data() + sent,
                                   static_cast<int>(response_.size() - sent), 0);
            if (now <= 0) return;
            sent += static_cast<std::size_t>(now);
        }
    }

    std::string response_;
    Mode mode_;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> connections_{0};
    std::vector<SOCKET> held_;
    mutable std::mutex mutex_;
    std::string lastRequest_;
    std::thread thread_;
};

}  // namespace yf::testing
