#include "e2e/Seed.h"

#include <windows.h>

#include <stdexcept>

#include "base/WideText.h"
#include "e2e/Driver.h"
#include "registry/TRegistry.h"

namespace brevolt::e2e {

void ClearProgramKeys() {
    registry::TRegistry user;
    for (const char* path :
         {"Software\\Microsoft\\Office", "Identities", "Software\\Microsoft\\WAB"}) {
        user.RemovePath(path);
    }
    registry::TRegistry machine;
    machine.SetRoot(registry::Hive::LocalMachine);
    machine.RemovePath("Software\\Microsoft\\Outlook Express");
}

void ImportReg(const std::string& regText) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"brevolt-e2e-seed.reg";
    const std::u16string units = text::Utf8ToUtf16(regText);
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    WriteFileBytes(file, bytes);

    std::wstring commandLine = L"reg.exe import \"" + file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &process)) {
        throw std::runtime_error("cannot run reg import");
    }
    WaitForSingleObject(process.hProcess, 30000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DeleteFileW(file.c_str());
    if (exitCode != 0) {
        throw std::runtime_error("reg import failed");
    }
}

std::optional<std::string> StoredText(const std::string& path, const std::string& name) {
    registry::TRegistry reg;
    if (!reg.OpenPath(path, false) || !reg.HasValue(name)) {
        return std::nullopt;
    }
    return reg.ReadText(name);
}

std::optional<std::uint32_t> StoredDword(const std::string& path, const std::string& name,
                                         bool machine) {
    registry::TRegistry reg;
    reg.SetRoot(machine ? registry::Hive::LocalMachine : registry::Hive::CurrentUser);
    if (!reg.OpenPath(path, false) || !reg.HasValue(name)) {
        return std::nullopt;
    }
    return reg.ReadDword(name);
}

bool KeyExists(const std::string& path) {
    registry::TRegistry reg;
    return reg.PathExists(path);
}

}  // namespace brevolt::e2e
