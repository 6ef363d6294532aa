// The proxy of the system's internet settings, set for the length of a test and put back as it
// was afterwards: the per-user values that a client opened with the preconfigured settings
// reads when it opens its session.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace yf::testing {

class ScopedSystemProxy {
  public:
    // server: "host:port".
    explicit ScopedSystemProxy(const std::wstring& server) {
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                              &key_, nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        enable_ = Saved(L"ProxyEnable");
        server_ = Saved(L"ProxyServer");
        const DWORD on = 1;
        ::RegSetValueExW(key_, L"ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on),
                         sizeof(on));
        ::RegSetValueExW(key_, L"ProxyServer", 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(server.c_str()),
                         static_cast<DWORD>((server.size() + 1) * sizeof(wchar_t)));
    }
    ~ScopedSystemProxy() {
        if (!key_) return;
        Restore(L"ProxyEnable", enable_);
        Restore(L"ProxyServer", server_);
        ::RegCloseKey(key_);
    }
    ScopedSystemProxy(const ScopedSystemProxy&) = delete;
    ScopedSystemProxy& operator=(const ScopedSystemProxy&) = delete;

    bool IsSet() const { return key_ != nullptr; }

  private:
    static constexpr const wchar_t* kKey =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

    struct Value {
        DWORD type = 0;
        std::vector<BYTE> data;
    };

    std::optional<Value> Saved(const wchar_t* name) const {
        Value value;
        DWORD size = 0;
        if (::RegQueryValueExW(key_, name, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        value.data.resize(size);
        if (::RegQueryValueExW(key_, name, nullptr, &value.type, value.data.data(), &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        return value;
    }

    void Restore(const wchar_t* name, const std::optional<Value>& value) const {
        if (!value) {
            ::RegDeleteValueW(key_, name);
            return;
        }
        ::RegSetValueExW(key_, name, 0, value->type, value->data.data(),
                         static_cast<DWORD>(value->data.size()));
    }

    HKEY key_ = nullptr;
    std::optional<Value> enable_;
    std::optional<Value> server_;
};

}  // namespace yf::testing
