#include "win32/Win32Application.h"

#include <shellapi.h>

#include <exception>
#include <vector>

#include "app/ErrorReport.h"
#include "base/WideText.h"
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

bool Win32Application::ReplaceFile(const std::string& path, const std::string& bytes) {
    const std::wstring target = text::Widen(path);
    const std::wstring temporary = target + L".brevolt~";
    bool written = false;
    {
        const UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return false;
        }
        DWORD count = 0;
        written = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &count,
                            nullptr) != FALSE &&
                  count == bytes.size() && FlushFileBuffers(file.get()) != FALSE;
    }
    if (written && MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE) {
        return true;
    }
    DeleteFileW(temporary.c_str());
    return false;
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
