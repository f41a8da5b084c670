#pragma once

#include <windows.h>

#include <string>

#include "widgets/DialogService.h"

namespace brevolt::win32 {

// Modal message boxes with the caption given and German buttons ("OK", "&Ja", "&Nein",
// "Abbrechen") whatever
// the language of Windows.
class MessageBoxes : public widgets::DialogService {
  public:
    bool ShowMessage(widgets::MessageKind kind, const std::string& caption,
                     const std::string& text) override;
    widgets::Answer AskYesNoCancel(const std::string& caption, const std::string& text) override;
    // The dialog of win32/TextDialog.h, modal to the owner; its error boxes are modal to it.
    std::optional<std::string> AskText(const widgets::TextRequest& request) override;
    std::optional<std::string> AskSavePath(const widgets::SaveRequest& request) override;
    // The window the boxes are modal to; none before the main window exists, and then a box
    // holds up every window of the program.
    void SetOwner(HWND owner) { owner_ = owner; }

  private:
    // Shows a box of this style and gives the button pressed.
    int show(UINT style, const std::string& caption, const std::string& text);

    HWND owner_ = nullptr;
};

}  // namespace brevolt::win32
