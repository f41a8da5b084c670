#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/MainWindow.h"

namespace brevolt::testing {

// A message box as the program showed it.
struct ShownMessage {
    widgets::MessageKind kind;
    std::string caption;
    std::string text;
};

// Answers message boxes from a script and records them.
class ScriptedDialogs : public widgets::DialogService {
  public:
    bool ShowMessage(widgets::MessageKind kind, const std::string& caption,
                     const std::string& text) override {
        shown.push_back({kind, caption, text});
        if (onShow) {
            onShow(shown.back());
        }
        if (kind != widgets::MessageKind::Confirmation || answers.empty()) {
            return true;
        }
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    widgets::Answer AskYesNoCancel(const std::string& caption, const std::string& text) override {
        shown.push_back({widgets::MessageKind::Confirmation, caption, text});
        if (onShow) {
            onShow(shown.back());
        }
        if (threeWayAnswers.empty()) {
            return widgets::Answer::Cancel;
        }
        const auto answer = threeWayAnswers.front();
        threeWayAnswers.erase(threeWayAnswers.begin());
        return answer;
    }

    // Types the scripted texts one after the other until the request takes one; a text it
    // refuses shows its problem as an error box, as the dialog does. Cancels at an empty entry,
    // or when the script runs out.
    std::optional<std::string> AskText(const widgets::TextRequest& request) override {
        asked.push_back(request.caption + ": " + request.prompt);
        while (!typed.empty()) {
            const auto text = typed.front();
            typed.erase(typed.begin());
            if (!text) {
                return std::nullopt;
            }
            const std::string problem = request.problem ? request.problem(*text) : std::string();
            if (problem.empty()) {
                return text;
            }
            ShowMessage(widgets::MessageKind::Error, request.problemCaption, problem);
        }
        return std::nullopt;
    }

    std::optional<std::string> AskSavePath(const widgets::SaveRequest& request) override {
        saveRequests.push_back(request);
        return savePath;
    }

    std::vector<ShownMessage> shown;
    std::vector<bool> answers;  // for confirmations, in order; "&Ja" once they run out
    // For questions that may be cancelled, in order; "Abbrechen" once they run out.
    std::vector<widgets::Answer> threeWayAnswers;
    std::vector<std::optional<std::string>> typed;  // for text requests, in order
    std::vector<std::string> asked;                 // each text request's caption and prompt
    std::optional<std::string> savePath;            // the answer to every save request
    std::vector<widgets::SaveRequest> saveRequests;
    std::function<void(const ShownMessage&)> onShow;
};

// The application object without a screen: files are recorded, the message loop is a script.
class FakeApplication : public Application {
  public:
    std::string ExecutablePath() const override { return executablePath; }
    bool SaveTextLines(const std::string& path, const std::vector<std::string>& lines) override {
        savedFiles.push_back({path, lines});
        return saveSucceeds;
    }
    FileResult ReplaceFile(const std::string& path, const std::string& bytes) override {
        replacedFiles.push_back({path, bytes});
        if (!replaceSucceeds) {
            return {false, "Zugriff verweigert"};
        }
        files[path] = bytes;
        return {};
    }
    FileResult ReadFile(const std::string& path, std::string& bytes) override {
        const auto found = files.find(path);
        if (found == files.end()) {
            return {false, "Das System kann die angegebene Datei nicht finden"};
        }
        bytes = found->second;
        return {};
    }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    FileResult RemoveFile(const std::string& path) override {
        if (!removeSucceeds) {
            return {false, "Zugriff verweigert"};
        }
        files.erase(path);
        return {};
    }
    LocalTime Now() const override { return now; }
    widgets::DialogService& Dialogs() override { return dialogs; }
    std::string Title() const override { return "brevolt"; }
    void Run(MainWindow& mainWindow) override {
        ++runs;
        if (whileRunning) {
            whileRunning(mainWindow);
        }
    }
    void Terminate() override { ++terminations; }
    void ShellOpen(const std::string& target) override { shellOpened.push_back(target); }
    void ShowModal(AboutDialog& dialog) override {
        ++dialogsShown;
        if (whileDialogShown) {
            whileDialogShown(dialog);
        }
    }

    struct SavedFile {
        std::string path;
        std::vector<std::string> lines;
    };

    struct ReplacedFile {
        std::string path;
        std::string bytes;
    };

    std::string executablePath;
    bool saveSucceeds = true;
    std::vector<SavedFile> savedFiles;
    bool replaceSucceeds = true;
    std::vector<ReplacedFile> replacedFiles;
    std::map<std::string, std::string> files;  // what the program's files hold now, by path
    bool removeSucceeds = true;
    LocalTime now{2026, 12, 11, 9, 30, 5};
    ScriptedDialogs dialogs;
    std::function<void(MainWindow&)> whileRunning;
    int runs = 0;
    int terminations = 0;
    std::vector<std::string> shellOpened;
    int dialogsShown = 0;
    std::function<void(AboutDialog&)> whileDialogShown;
};

}  // namespace brevolt::testing
