#pragma once

#include <windows.h>

#include "app/Application.h"

namespace brevolt::win32 {

class MessageBoxes : public widgets::DialogService {
  public:
    bool ShowMessage(widgets::MessageKind kind, const std::string& caption,
                     const std::string& text) override;
    // The window the boxes are modal to; none before the main window exists.
    void SetOwner(HWND owner) { owner_ = owner; }

  private:
    HWND owner_ = nullptr;
};

// The application object on Windows: the executable's path, files, message boxes and the loop.
class Win32Application : public Application {
  public:
    std::string ExecutablePath() const override;
    bool SaveTextLines(const std::string& path, const std::vector<std::string>& lines) override;
    widgets::DialogService& Dialogs() override { return dialogs_; }
    std::string Title() const override;
    void Run(TfrmMain& mainWindow) override;
    void Terminate() override;

  private:
    MessageBoxes dialogs_;
};

}  // namespace brevolt::win32
