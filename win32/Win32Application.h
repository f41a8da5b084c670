#pragma once

#include <windows.h>

#include "app/Application.h"
#include "win32/MessageBoxes.h"

namespace brevolt::win32 {

// The application object on Windows: the executable's path, files, message boxes and the loop.
class Win32Application : public Application {
  public:
    std::string ExecutablePath() const override;
    bool SaveTextLines(const std::string& path, const std::vector<std::string>& lines) override;
    bool ReplaceFile(const std::string& path, const std::string& bytes) override;
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

}  // namespace brevolt::win32
