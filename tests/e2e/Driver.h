#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace brevolt::e2e {

using namespace std::chrono_literals;

// The path of the brevolt.exe under test, in Windows form.
std::wstring BrevoltExecutable();

// A copy of brevolt.exe in a folder of its own, which goes when the copy does.
class Installation {
  public:
    Installation();
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    const std::wstring& Folder() const { return folder_; }  // with a trailing backslash
    std::wstring Executable() const { return folder_ + L"brevolt.exe"; }
    std::wstring File(const std::wstring& name) const { return folder_ + name; }

  private:
    std::wstring folder_;
};

// One run of the program, watched and driven from outside as a user would.
class Program {
  public:
    explicit Program(const std::wstring& executable);
    ~Program();  // ends the program if it still runs
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The program's visible top-level window of this class, or null when none shows in time.
    HWND WaitForWindow(const wchar_t* className, std::chrono::milliseconds timeout = 20s) const;
    // A message box of the program's.
    HWND WaitForMessageBox(std::chrono::milliseconds timeout = 20s) const {
        return WaitForWindow(L"#32770", timeout);
    }
    bool HasWindow(const wchar_t* className) const;
    // How many visible top-level windows of this class the program shows now.
    int CountWindows(const wchar_t* className) const;
    bool WaitForExit(std::chrono::milliseconds timeout = 20s) const;
    // The exit code of a program that ended (a crash ends it with one of the system's
    // exception codes); STILL_ACTIVE while it runs.
    DWORD ExitCode() const;

  private:
    PROCESS_INFORMATION process_{};
};

std::wstring WindowText(HWND window);
// A control's text as the control itself tells it (an edit box's, say, which its window title
// does not hold for other processes).
std::wstring ControlText(HWND control);
// The text of a message box.
std::wstring MessageBoxText(HWND box);
// Presses a message box's button (IDOK, IDYES, IDNO) as a click would.
void PressButton(HWND box, int id);

// Files as bytes.
std::string ReadFileBytes(const std::wstring& path);  // "<missing>" when it cannot be read
void WriteFileBytes(const std::wstring& path, const std::string& bytes);

std::string Utf8(const std::wstring& text);

// Asks until the condition holds (true) or the time is up (false).
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

}  // namespace brevolt::e2e
