#include <windows.h>

#include <vector>

#include "base/UniqueHandle.h"
#include "base/WideText.h"
#include "registry/RegistryBackend.h"

// The Windows registry through advapi32; HKEY_LOCAL_MACHINE in the view the hive names.
namespace brevolt::registry {
namespace {

struct CloseKey {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = UniqueHandle<HKEY, CloseKey>;

HKEY RootOf(Hive hive) {
    return hive == Hive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

REGSAM ViewOf(Hive hive) {
    switch (hive) {
        case Hive::LocalMachine:
            return KEY_WOW64_32KEY;
        case Hive::LocalMachine64:
            return KEY_WOW64_64KEY;
        default:
            return 0;
    }
}

class Win32Key : public RegistryKey {
  public:
    explicit Win32Key(UniqueKey key) : key_(std::move(key)) {}

    bool hasValue(std::string_view name) const override {
        return noted(RegQueryValueExW(key_.get(), text::Widen(name).c_str(), nullptr, nullptr,
                                      nullptr, nullptr));
    }

    std::optional<RawValue> queryValue(std::string_view name) const override {
        const std::wstring wideName = text::Widen(name);
        DWORD type = 0;
        DWORD size = 0;
        LSTATUS status =
            RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, nullptr, &size);
        std::vector<std::uint8_t> data;
        // The value may grow between the two calls: ask again until the buffer holds it.
        while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
            data.resize(size);
            status = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type,
                                      data.empty() ? nullptr : data.data(), &size);
            if (status == ERROR_SUCCESS) {
                data.resize(size);
                return RawValue{static_cast<ValueType>(type), std::move(data)};
            }
        }
        noted(status);
        return std::nullopt;
    }

    bool setValue(std::string_view name, const RawValue& value) override {
        return noted(RegSetValueExW(key_.get(), text::Widen(name).c_str(), 0,
                                    static_cast<DWORD>(value.type), value.data.data(),
                                    static_cast<DWORD>(value.data.size())));
    }

    bool deleteValue(std::string_view name) override {
        return noted(RegDeleteValueW(key_.get(), text::Widen(name).c_str()));
    }

    std::uint32_t lastError() const override { return lastError_; }

    std::vector<std::string> subkeyNames() const override { return SubkeyNames(key_.get()); }

    std::optional<bool> isEmpty() const override {
        DWORD keys = 0;
        DWORD values = 0;
        if (!noted(RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, &keys, nullptr, nullptr,
                                    &values, nullptr, nullptr, nullptr, nullptr))) {
            return std::nullopt;
        }
        return keys == 0 && values == 0;
    }

    static std::vector<std::string> SubkeyNames(HKEY key) {
        std::vector<std::string> names;
        DWORD count = 0;
        DWORD longest = 0;
        if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            return names;
        }
        std::vector<wchar_t> buffer(longest + 1);
        for (DWORD index = 0;; ++index) {
            DWORD length = static_cast<DWORD>(buffer.size());
            const LSTATUS status = RegEnumKeyExW(key, index, buffer.data(), &length, nullptr,
                                                 nullptr, nullptr, nullptr);
            if (status == ERROR_MORE_DATA) {
                buffer.resize(buffer.size() * 2);
                --index;
                continue;
            }
            if (status != ERROR_SUCCESS) {
                break;
            }
            names.push_back(text::Narrow({buffer.data(), length}));
        }
        return names;
    }

  private:
    // Keeps a failure's code for lastError; true on success.
    bool noted(LSTATUS status) const {
        if (status != ERROR_SUCCESS) {
            lastError_ = static_cast<std::uint32_t>(status);
        }
        return status == ERROR_SUCCESS;
    }

    UniqueKey key_;
    mutable std::uint32_t lastError_ = 0;
};

class Win32Registry : public RegistryBackend {
  public:
    std::unique_ptr<RegistryKey> openKey(Hive hive, std::string_view path, Access access,
                                         bool create) override {
        const REGSAM rights = (access == Access::Full ? KEY_ALL_ACCESS : KEY_READ) | ViewOf(hive);
        const std::wstring widePath = text::Widen(path);
        HKEY opened = nullptr;
        const LSTATUS status =
            create ? RegCreateKeyExW(RootOf(hive), widePath.c_str(), 0, nullptr, 0, rights, nullptr,
                                     &opened, nullptr)
                   : RegOpenKeyExW(RootOf(hive), widePath.c_str(), 0, rights, &opened);
        if (status != ERROR_SUCCESS) {
            lastError_ = static_cast<std::uint32_t>(status);
            return nullptr;
        }
        return std::make_unique<Win32Key>(UniqueKey(opened));
    }

    bool deleteTree(Hive hive, std::string_view path) override {
        return DeleteTree(hive, text::Widen(path));
    }

    std::uint32_t lastError() const override { return lastError_; }

  private:
    std::uint32_t lastError_ = 0;

    static bool DeleteTree(Hive hive, const std::wstring& path) {
        {
            HKEY opened = nullptr;
            if (RegOpenKeyExW(RootOf(hive), path.c_str(), 0, KEY_READ | ViewOf(hive), &opened) !=
                ERROR_SUCCESS) {
                return false;
            }
            const UniqueKey key(opened);
            for (const auto& name : Win32Key::SubkeyNames(key.get())) {
                if (!DeleteTree(hive, path + L"\\" + text::Widen(name))) {
                    return false;
                }
            }
        }
        return RegDeleteKeyExW(RootOf(hive), path.c_str(), ViewOf(hive), 0) == ERROR_SUCCESS;
    }
};

}  // namespace

RegistryBackend& PlatformRegistryBackend() {
    static Win32Registry registry;
    return registry;
}

std::string SystemErrorText(std::uint32_t code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer != nullptr ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' ||
                             text.back() == L'.')) {
        text.pop_back();
    }
    return text.empty() ? "Fehler " + std::to_string(code) : text::Narrow(text);
}

}  // namespace brevolt::registry
