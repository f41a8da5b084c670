#include "win32/Win32Application.h"

#include <shellapi.h>

#include <vector>

#include "app/ErrorReport.h"
#include "base/WideText.h"
#include "win32/AboutView.h"
#include "win32/Handles.h"
#include "win32/MainWindowView.h"

namespace brevolt::win32 {
namespace {

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

void ReportEscapedError(HWND window, const char* message) noexcept {
    try {
        MessageBoxes boxes;
        boxes.SetOwner(window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr);
        ReportError(boxes, ProgramTitle(), message);
    } catch (...) {
        // The report itself failed (memory ran out, say): nothing is left to tell it with.
    }
}

}  // namespace brevolt::win32
