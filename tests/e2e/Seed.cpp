#include "e2e/Seed.h"

#include <windows.h>

#include <cctype>
#include <stdexcept>
#include <vector>

#include "base/WideText.h"
#include "e2e/Driver.h"
#include "registry/Registry.h"

namespace brevolt::e2e {

void ClearProgramKeys() {
    registry::Registry user;
    for (const char* path :
         {"Software\\Microsoft\\Office", "Identities", "Software\\Microsoft\\WAB"}) {
        user.RemovePath(path);
    }
    user.RemovePath("Software\\Policies\\Microsoft\\Office");
    registry::Registry machine;
    machine.SetRoot(registry::Hive::LocalMachine);
    machine.RemovePath("Software\\Microsoft\\Outlook Express");
    for (const auto view : {registry::Hive::LocalMachine, registry::Hive::LocalMachine64}) {
        machine.SetRoot(view);
        machine.RemovePath("Software\\Microsoft\\Office");
        machine.RemovePath("Software\\Policies\\Microsoft\\Office");
    }
}

namespace {

// Runs "reg.exe <arguments>" and waits for it; its exit code.
DWORD RunReg(const std::wstring& arguments) {
    std::wstring commandLine = L"reg.exe " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &process)) {
        throw std::runtime_error("cannot run reg.exe");
    }
    WaitForSingleObject(process.hProcess, 30000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

std::wstring TempFile(const wchar_t* name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + name;
}

}  // namespace

void ImportReg(const std::string& regText) {
    const std::wstring file = TempFile(L"brevolt-e2e-seed.reg");
    const std::u16string units = text::Utf8ToUtf16(regText);
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    WriteFileBytes(file, bytes);
    const DWORD exitCode = RunReg(L"import \"" + file + L"\"");
    DeleteFileW(file.c_str());
    if (exitCode != 0) {
        throw std::runtime_error("reg import failed");
    }
}

std::string ExportReg(const std::string& key) {
    const std::wstring file = TempFile(L"brevolt-e2e-export.reg");
    DeleteFileW(file.c_str());
    RunReg(L"export \"" + text::Widen(key) + L"\" \"" + file + L"\" /y");
    const std::string bytes = ReadFileBytes(file);
    DeleteFileW(file.c_str());
    return bytes;
}

std::optional<std::string> StoredText(const std::string& path, const std::string& name) {
    registry::Registry reg;
    if (!reg.OpenPath(path, false) || !reg.HasValue(name)) {
        return std::nullopt;
    }
    return reg.ReadText(name);
}

std::optional<std::uint32_t> StoredDword(const std::string& path, const std::string& name,
                                         bool machine) {
    registry::Registry reg;
    reg.SetRoot(machine ? registry::Hive::LocalMachine : registry::Hive::CurrentUser);
    if (!reg.OpenPath(path, false) || !reg.HasValue(name)) {
        return std::nullopt;
    }
    return reg.ReadDword(name);
}

bool KeyExists(const std::string& path) {
    registry::Registry reg;
    return reg.PathExists(path);
}

}  // namespace brevolt::e2e

namespace brevolt::e2e {
namespace {

void Collect(HKEY root, const std::wstring& path, const std::string& name, RegistrySnapshot& into) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    into[name + "\\"] = "";
    std::vector<wchar_t> valueName(16384);
    std::vector<BYTE> data(1 << 16);
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(valueName.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const LSTATUS status = RegEnumValueW(key, index, valueName.data(), &nameLength, nullptr,
                                             &type, data.data(), &size);
        if (status == ERROR_MORE_DATA) {
            data.resize(data.size() * 4);
            --index;
            continue;
        }
        if (status != ERROR_SUCCESS) {
            break;
        }
        into[name + "\\" + text::Narrow({valueName.data(), nameLength})] =
            std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data.data()), size);
    }
    std::vector<std::wstring> subkeys;
    wchar_t subkey[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, index, subkey, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        subkeys.emplace_back(subkey, length);
    }
    RegCloseKey(key);
    for (const auto& child : subkeys) {
        Collect(root, path.empty() ? child : path + L"\\" + child,
                name + "\\" + text::Narrow(child), into);
    }
}

std::string Folded(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

RegistrySnapshot TakeRegistrySnapshot() {
    RegistrySnapshot snapshot;
    Collect(HKEY_CURRENT_USER, L"", "HKCU", snapshot);
    Collect(HKEY_LOCAL_MACHINE, L"", "HKLM", snapshot);
    return snapshot;
}

std::vector<std::string> ChangesOutside(const RegistrySnapshot& before,
                                        const RegistrySnapshot& after,
                                        const std::vector<std::string>& allowedPrefixes) {
    const auto allowed = [&](const std::string& name) {
        const std::string folded = Folded(name);
        for (const auto& prefix : allowedPrefixes) {
            if (folded.rfind(Folded(prefix), 0) == 0) {
                return true;
            }
        }
        return false;
    };
    std::vector<std::string> changes;
    for (const auto& [name, content] : after) {
        const auto was = before.find(name);
        if ((was == before.end() || was->second != content) && !allowed(name)) {
            changes.push_back((was == before.end() ? "added " : "changed ") + name);
        }
    }
    for (const auto& [name, content] : before) {
        if (after.count(name) == 0 && !allowed(name)) {
            changes.push_back("removed " + name);
        }
    }
    return changes;
}

std::string Footprint::ChangesOutside(const std::vector<std::string>& programKeys) const {
    // Wine's display driver fills in its hardware keys whenever a process first opens the display.
    std::vector<std::string> allowed = {"HKCU\\Software\\Wine\\", "HKLM\\Software\\Wine\\",
                                        "HKCU\\Software\\Brevolt Tests\\", "HKLM\\HARDWARE\\",
                                        "HKLM\\System\\CurrentControlSet\\"};
    allowed.insert(allowed.end(), programKeys.begin(), programKeys.end());
    std::string lines;
    for (const auto& change : e2e::ChangesOutside(before_, TakeRegistrySnapshot(), allowed)) {
        lines += change + "\n";
    }
    return lines;
}

}  // namespace brevolt::e2e
