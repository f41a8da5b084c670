#include "e2e/Driver.h"

#include <filesystem>
#include <stdexcept>
#include <thread>
#include <vector>

#include "base/WideText.h"
#include "support/TempDir.h"

namespace brevolt::e2e {
namespace {

std::wstring Widen(const std::string& text) {
    return text::Widen(text);
}

struct Search {
    DWORD processId;
    const wchar_t* className;
    HWND found;
    int count = 0;
    bool all = false;  // counts every match rather than ending at the first
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (owner == search.processId && IsWindowVisible(window) &&
        wcscmp(className, search.className) == 0) {
        search.found = window;
        ++search.count;
        return search.all ? TRUE : FALSE;
    }
    return TRUE;
}

}  // namespace

std::wstring BrevoltExecutable() {
    std::wstring path = Widen(BREVOLT_EXE_PATH);
    if (!path.empty() && path.front() == L'/') {  // a Linux path, seen through Wine's drive Z:
        for (auto& c : path) {
            c = c == L'/' ? L'\\' : c;
        }
        path = L"Z:" + path;
    }
    return path;
}

Installation::Installation() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    folder_ = std::wstring(temp) + L"brevolt-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(++counter) + L"\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
    if (!CopyFileW(BrevoltExecutable().c_str(), Executable().c_str(), FALSE)) {
        throw std::runtime_error("cannot copy brevolt.exe");
    }
}

Installation::~Installation() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(folder_), ignored);
}

Program::Program(const std::wstring& executable) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + executable + L"\"";
    if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        throw std::runtime_error("cannot start brevolt.exe");
    }
    WaitForInputIdle(process_.hProcess, 10000);
}

Program::~Program() {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND Program::WaitForWindow(const wchar_t* className, std::chrono::milliseconds timeout) const {
    const auto until = std::chrono::steady_clock::now() + timeout;
    do {
        Search search{process_.dwProcessId, className, nullptr};
        EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        std::this_thread::sleep_for(50ms);
    } while (std::chrono::steady_clock::now() < until);
    return nullptr;
}

bool Program::HasWindow(const wchar_t* className) const {
    return WaitForWindow(className, 0ms) != nullptr;
}

int Program::CountWindows(const wchar_t* className) const {
    Search search{process_.dwProcessId, className, nullptr, 0, true};
    EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

bool Program::WaitForExit(std::chrono::milliseconds timeout) const {
    return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) ==
           WAIT_OBJECT_0;
}

DWORD Program::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::wstring WindowText(HWND window) {
    wchar_t buffer[4096] = {};
    GetWindowTextW(window, buffer, 4096);
    return buffer;
}

std::wstring ControlText(HWND control) {
    wchar_t buffer[4096] = {};
    SendMessageTimeoutW(control, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return buffer;
}

std::wstring MessageBoxText(HWND box) {
    wchar_t buffer[4096] = {};
    GetDlgItemTextW(box, 0xFFFF, buffer, 4096);  // the static control that holds the message
    return buffer;
}

void PressButton(HWND box, int id) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

std::string ReadFileBytes(const std::wstring& path) {
    return testing::ReadFileBytes(Utf8(path));
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    testing::WriteFileBytes(Utf8(path), bytes);
}

std::string Utf8(const std::wstring& text) {
    return text::Narrow(text);
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until) {
            return false;
        }
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

}  // namespace brevolt::e2e
