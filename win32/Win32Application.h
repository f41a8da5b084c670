#pragma once

#include <windows.h>

#include "app/Application.h"
#include "win32/Handles.h"
#include "win32/MessageBoxes.h"

namespace brevolt::win32 {

// The application object on Windows: the executable's path, files, message boxes and the loop.
class Win32Application : public Application {
  public:
    std::string ExecutablePath() const override;
    bool SaveTextLines(const std::string& path, const std::vector<std::string>& lines) override;
    FileResult ReplaceFile(const std::string& path, const std::string& bytes) override;
    FileResult ReadFile(const std::string& path, std::string& bytes) override;
    bool FileExists(const std::string& path) override;
    FileResult RemoveFile(const std::string& path) override;
    LocalTime Now() const override;
    widgets::DialogService& Dialogs() override { return dialogs_; }
    std::string Title() const override;
    void Run(MainWindow& mainWindow) override;
    void Terminate() override;
    void ShellOpen(const std::string& target) override;
    void ShowModal(AboutDialog& dialog) override;

  private:
    MessageBoxes dialogs_;
    HWND mainWindow_ = nullptr;
};

// The claim to be the one copy of the program that runs in the user's session: a named mutex,
// created by the first copy and held for the claim's life.
class RunningCopyClaim {
  public:
    RunningCopyClaim();
    // False when another copy holds the claim.
    bool Held() const { return held_; }

  private:
    UniqueFile mutex_;  // a kernel object, closed as a file handle is
    bool held_ = false;
};

// Brings the main window of the copy that holds the claim to the front, restored when it was
// minimised. Nothing when that copy shows no main window (yet).
void BringRunningCopyForward();

// The general error report for an error that reached a procedure Windows calls, where the
// application object is out of reach: an error box modal to the window's top-level window (to
// the whole program when there is none), captioned with the program's title. Never throws: a
// report that fails has nowhere left to go.
void ReportEscapedError(HWND window, const char* message) noexcept;
// The same for the error being handled: to be called inside a catch block, for an error of any
// kind ("Unbekannter Fehler" for one that is no std::exception).
void ReportCaughtError(HWND window) noexcept;

}  // namespace brevolt::win32
