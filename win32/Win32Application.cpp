#include "win32/Win32Application.h"

#include <shellapi.h>

#include <exception>
#include <vector>

#include "app/ErrorReport.h"
#include "base/WideText.h"
#include "registry/RegistryBackend.h"
#include "win32/AboutView.h"
#include "win32/MainWindowView.h"

namespace brevolt::win32 {
namespace {

constexpr const wchar_t* kRunningCopyMutex = L"Local\\Brevolt.RunningCopy";
constexpr const wchar_t* kMainWindowClass = L"MainWindow";  // as MainWindowView registers it
// Tells the running copy's main window from other windows of the class: another program's, or
// one that an in-process test created.
constexpr const wchar_t* kRunningCopyMark = L"Brevolt.RunningCopy";

// The mark on the main window while its loop runs, taken off before the window goes.
class RunningCopyMark {
  public:
    explicit RunningCopyMark(HWND window) : window_(window) {
        SetPropW(window_, kRunningCopyMark, reinterpret_cast<HANDLE>(1));
    }
    RunningCopyMark(const RunningCopyMark&) = delete;
    RunningCopyMark& operator=(const RunningCopyMark&) = delete;
    ~RunningCopyMark() { RemovePropW(window_, kRunningCopyMark); }

  private:
    HWND window_;
};

std::string ModulePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return text::Narrow({buffer.data(), length});
        }
        buffer.resize(buffer.size() * 2);
    }
}

FileResult Failed(DWORD error) {
    return {false, registry::SystemErrorText(error)};
}

std::string ProgramTitle() {
    std::string name = ModulePath();
    name = name.substr(name.find_last_of("\\/") + 1);
    return name.substr(0, name.rfind('.'));
}

}  // namespace

std::string Win32Application::ExecutablePath() const {
    return ModulePath();
}

bool Win32Application::SaveTextLines(const std::string& path,
                                     const std::vector<std::string>& lines) {
    std::string contents;
    for (const auto& line : lines) {
        contents += text::Utf8ToCp1252(line) + "\r\n";
    }
    const UniqueFile file(CreateFileW(text::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    DWORD written = 0;
    return WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &written,
                     nullptr) != FALSE &&
           written == contents.size();
}

FileResult Win32Application::ReplaceFile(const std::string& path, const std::string& bytes) {
    const std::wstring target = text::Widen(path);
    const auto folderEnd = target.find_last_of(L"\\/");
    const std::wstring folder =
        folderEnd == std::wstring::npos ? L"." : target.substr(0, folderEnd + 1);
    // A name of its own in the target's folder, so that the last step is a rename there and no
    // other writer's temporary file is taken.
    wchar_t temporary[MAX_PATH];
    if (GetTempFileNameW(folder.c_str(), L"brv", 0, temporary) == 0) {
        return Failed(GetLastError());
    }
    DWORD error = ERROR_SUCCESS;
    {
        const UniqueFile file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD count = 0;
        if (!file ||
            WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &count,
                      nullptr) == FALSE ||
            FlushFileBuffers(file.get()) == FALSE) {
            error = GetLastError();
        } else if (count != bytes.size()) {
            error = ERROR_DISK_FULL;
        }
    }
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (error == ERROR_SUCCESS && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        error = ERROR_ACCESS_DENIED;  // a folder is never replaced by a file
    }
    if (error == ERROR_SUCCESS) {
        // An existing file is replaced in place, so that it keeps its attributes and security.
        const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
        const BOOL moved = exists
                               ? ::ReplaceFileW(target.c_str(), temporary, nullptr,
                                                REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                               : MoveFileExW(temporary, target.c_str(), MOVEFILE_WRITE_THROUGH);
        if (moved != FALSE) {
            // Not every ReplaceFileW carries the attributes over (Wine's does not).
            if (exists && GetFileAttributesW(target.c_str()) != attributes) {
                SetFileAttributesW(target.c_str(), attributes);
            }
            return {};
        }
        error = GetLastError();
    }
    DeleteFileW(temporary);
    return Failed(error);
}

FileResult Win32Application::ReadFile(const std::string& path, std::string& bytes) {
    // Larger than any file the program writes: a file this size is not one of its own.
    constexpr LONGLONG kLargest = 64LL << 20;
    const UniqueFile file(CreateFileW(text::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || GetFileSizeEx(file.get(), &size) == FALSE) {
        return Failed(GetLastError());
    }
    if (size.QuadPart > kLargest) {
        return Failed(ERROR_FILE_TOO_LARGE);
    }
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD count = 0;
    if (!bytes.empty() && (::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                      &count, nullptr) == FALSE)) {
        return Failed(GetLastError());
    }
    bytes.resize(count);
    return {};
}

bool Win32Application::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(text::Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

FileResult Win32Application::RemoveFile(const std::string& path) {
    if (DeleteFileW(text::Widen(path).c_str()) == FALSE && GetLastError() != ERROR_FILE_NOT_FOUND) {
        return Failed(GetLastError());
    }
    return {};
}

LocalTime Win32Application::Now() const {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::string Win32Application::Title() const {
    return ProgramTitle();
}

void Win32Application::Run(MainWindow& mainWindow) {
    MainWindowView view(mainWindow);
    const RunningCopyMark mark(view.handle());
    mainWindow_ = view.handle();
    dialogs_.SetOwner(view.handle());
    ShowWindow(view.handle(), SW_SHOWNORMAL);
    UpdateWindow(view.handle());
    mainWindow.Shown();
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (view.TranslateInput(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    dialogs_.SetOwner(nullptr);
    mainWindow_ = nullptr;
}

void Win32Application::ShellOpen(const std::string& target) {
    ShellExecuteW(mainWindow_, L"open", text::Widen(target).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

void Win32Application::ShowModal(AboutDialog& dialog) {
    AboutView view(dialog, mainWindow_);
    view.RunModal();
}

void Win32Application::Terminate() {
    PostQuitMessage(0);
}

RunningCopyClaim::RunningCopyClaim() {
    SetLastError(ERROR_SUCCESS);  // a new mutex need not clear an older error
    mutex_.reset(CreateMutexW(nullptr, FALSE, kRunningCopyMutex));
    // A mutex of that name that this copy may not open belongs to a copy started with other
    // rights. Any other failure lets this copy run rather than refuse to start.
    const DWORD error = GetLastError();
    held_ = error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED;
}

void BringRunningCopyForward() {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, kMainWindowClass, nullptr)) != nullptr) {
        if (GetPropW(window, kRunningCopyMark) == nullptr) {
            continue;
        }
        if (IsIconic(window)) {
            // Posted: a copy busy with a long save does not hold up this start.
            ShowWindowAsync(window, SW_RESTORE);
        }
        // A box or the about dialog over the main window keeps the focus it has.
        SetForegroundWindow(GetLastActivePopup(window));
        return;
    }
}

void ReportEscapedError(HWND window, const char* message) noexcept {
    try {
        MessageBoxes boxes;
        boxes.SetOwner(window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr);
        ReportError(boxes, ProgramTitle(), message);
    } catch (...) {
        // The report itself failed (memory ran out, say): nothing is left to tell it with.
    }
}

void ReportCaughtError(HWND window) noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        ReportEscapedError(window, error.what());
    } catch (...) {
        ReportEscapedError(window, kUnknownErrorMessage);
    }
}

}  // namespace brevolt::win32
