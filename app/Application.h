#pragma once

#include <string>
#include <vector>

#include "base/LocalTime.h"
#include "widgets/DialogService.h"

namespace brevolt {

// How a file operation ended: done, or not, with the system's words for why.
struct FileResult {
    bool done = true;
    std::string reason;
};

class AboutDialog;
class MainWindow;

// What the program needs of the platform's application object.
class Application {
  public:
    virtual ~Application() = default;
    virtual std::string ExecutablePath() const = 0;
    // Creates or overwrites the file with the lines, each ended by CR LF.
    virtual bool SaveTextLines(const std::string& path, const std::vector<std::string>& lines) = 0;
    // Writes the bytes to a new file of its own name beside the path and then puts it in the
    // path's place, keeping the attributes of a file that was there, so that the path holds
    // either its old content or the whole new one; no new file is left behind when that fails.
    virtual FileResult ReplaceFile(const std::string& path, const std::string& bytes) = 0;
    // The whole file into `bytes`.
    virtual FileResult ReadFile(const std::string& path, std::string& bytes) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual FileResult RemoveFile(const std::string& path) = 0;
    // The user's clock now.
    virtual LocalTime Now() const = 0;
    virtual widgets::DialogService& Dialogs() = 0;
    // The title the general error report uses: the executable's name without its extension.
    virtual std::string Title() const = 0;
    // Shows the main window and runs the message loop until Terminate is called.
    virtual void Run(MainWindow& mainWindow) = 0;
    // Ends the message loop after the current event.
    virtual void Terminate() = 0;
    // The shell's "open" of a file or web address; what the shell makes of it is its own business.
    virtual void ShellOpen(const std::string& target) = 0;
    // Shows the about dialog modally over the main window, until it is closed.
    virtual void ShowModal(AboutDialog& dialog) = 0;
};

}  // namespace brevolt
