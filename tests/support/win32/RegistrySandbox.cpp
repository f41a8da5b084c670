#include <windows.h>
#include <sddl.h>

#include <stdexcept>
#include <vector>

#include "base/WideText.h"
#include "support/RegistrySandbox.h"

namespace brevolt::testing {
namespace {

const std::wstring kScratchRoot = L"Software\\Brevolt Tests";

// Read access only, and the right to change the access again so that the key can be removed.
constexpr const wchar_t* kReadOnly = L"D:P(A;OICI;KRWD;;;WD)";
constexpr const wchar_t* kFullAccess = L"D:P(A;OICI;KA;;;WD)";

HKEY CreateScratchKey(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create the scratch keys");
    }
    return key;
}

void SetAccess(HKEY root, const std::wstring& path, const wchar_t* descriptor) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot change the access of a key");
    }
    PSECURITY_DESCRIPTOR security = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptor, SDDL_REVISION_1, &security,
                                                         nullptr);
    const LSTATUS status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security);
    LocalFree(security);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error("cannot change the access of a key");
    }
}

}  // namespace

struct RegistrySandbox::Platform {
    std::wstring scratch;
    HKEY currentUser = nullptr;
    HKEY localMachine = nullptr;
    std::vector<std::wstring> lockedKeys;  // below the scratch key, to unlock before removal
};

RegistrySandbox::RegistrySandbox() : platform_(std::make_unique<Platform>()) {
    static int counter = 0;
    platform_->scratch = kScratchRoot + L"\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                         std::to_wstring(++counter);
    platform_->currentUser = CreateScratchKey(platform_->scratch + L"\\HKCU");
    platform_->localMachine = CreateScratchKey(platform_->scratch + L"\\HKLM");
    RegOverridePredefKey(HKEY_CURRENT_USER, platform_->currentUser);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, platform_->localMachine);
}

RegistrySandbox::~RegistrySandbox() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(platform_->currentUser);
    RegCloseKey(platform_->localMachine);
    for (const auto& path : platform_->lockedKeys) {
        SetAccess(HKEY_CURRENT_USER, path, kFullAccess);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, platform_->scratch.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, platform_->scratch.c_str());
}

void RegistrySandbox::DenyFullAccess(registry::Hive hive, const std::string& path) {
    const std::wstring below = platform_->scratch +
                               (hive == registry::Hive::CurrentUser ? L"\\HKCU\\" : L"\\HKLM\\") +
                               text::Widen(path);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    SetAccess(HKEY_CURRENT_USER, below, kReadOnly);
    RegOverridePredefKey(HKEY_CURRENT_USER, platform_->currentUser);
    platform_->lockedKeys.push_back(below);
}

registry::RegistryBackend& RegistrySandbox::Backend() {
    return registry::PlatformRegistryBackend();
}

}  // namespace brevolt::testing
