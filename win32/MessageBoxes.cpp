#include "win32/MessageBoxes.h"

#include <commdlg.h>

#include <algorithm>

#include "base/WideText.h"
#include "win32/Handles.h"
#include "win32/TextDialog.h"

namespace brevolt::win32 {
namespace {

// Carried by the program's boxes as their help context, so that the hook renames their buttons
// and those of no other window (the owner, say, activated again as a box closes).
constexpr DWORD kBoxMark = 0x42727662;

UINT StyleOf(widgets::MessageKind kind) {
    switch (kind) {
        case widgets::MessageKind::Error:
            return MB_OK | MB_ICONERROR;
        case widgets::MessageKind::Information:
            return MB_OK | MB_ICONINFORMATION;
        case widgets::MessageKind::Confirmation:
            return MB_YESNO | MB_ICONQUESTION;
    }
    return MB_OK;
}

// Windows labels a box's buttons in its own language; as the box comes up they get German ones.
LRESULT CALLBACK RenameButtons(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const auto window = reinterpret_cast<HWND>(wParam);
        if (GetWindowContextHelpId(window) == kBoxMark) {
            SetDlgItemTextW(window, IDOK, L"OK");
            SetDlgItemTextW(window, IDYES, L"&Ja");
            SetDlgItemTextW(window, IDNO, L"&Nein");
            SetDlgItemTextW(window, IDCANCEL, L"Abbrechen");
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool MessageBoxes::ShowMessage(widgets::MessageKind kind, const std::string& caption,
                               const std::string& text) {
    const int answer = show(StyleOf(kind), caption, text);
    return kind != widgets::MessageKind::Confirmation || answer == IDYES;
}

widgets::Answer MessageBoxes::AskYesNoCancel(const std::string& caption, const std::string& text) {
    switch (show(MB_YESNOCANCEL | MB_ICONQUESTION, caption, text)) {
        case IDYES:
            return widgets::Answer::Yes;
        case IDNO:
            return widgets::Answer::No;
        default:
            return widgets::Answer::Cancel;
    }
}

int MessageBoxes::show(UINT style, const std::string& caption, const std::string& text) {
    const std::wstring wideText = text::Widen(text);
    const std::wstring wideCaption = text::Widen(caption);
    // MessageBoxW with a help context: the indirect form is the one that takes it.
    MSGBOXPARAMSW box{};
    box.cbSize = sizeof(box);
    box.hwndOwner = owner_;
    box.lpszText = wideText.c_str();
    box.lpszCaption = wideCaption.c_str();
    box.dwStyle = style | (owner_ == nullptr ? MB_TASKMODAL : 0);
    box.dwContextHelpId = kBoxMark;
    // For this thread only, and only while the box is up.
    const UniqueHook hook(SetWindowsHookExW(WH_CBT, &RenameButtons, nullptr, GetCurrentThreadId()));
    return MessageBoxIndirectW(&box);
}

std::optional<std::string> MessageBoxes::AskText(const widgets::TextRequest& request) {
    return AskTextModal(owner_, request, [this, &request](HWND dialog, const std::string& problem) {
        // The error box belongs to the dialog, which stays open behind it.
        const HWND owner = owner_;
        owner_ = dialog;
        ShowMessage(widgets::MessageKind::Error, request.problemCaption, problem);
        owner_ = owner;
    });
}

std::optional<std::string> MessageBoxes::AskSavePath(const widgets::SaveRequest& request) {
    // The common dialogs' library is loaded only when it is needed: it would cost every start.
    const UniqueLibrary library(LoadLibraryW(L"comdlg32.dll"));
    const auto getSaveFileName = reinterpret_cast<BOOL(WINAPI*)(OPENFILENAMEW*)>(
        library ? reinterpret_cast<void*>(GetProcAddress(library.get(), "GetSaveFileNameW"))
                : nullptr);
    if (getSaveFileName == nullptr) {
        return std::nullopt;
    }
    std::wstring file = text::Widen(request.suggestedName);
    file.resize(std::max<std::size_t>(file.size() + 1, 32768), L'\0');
    // The filter: its description, then its pattern, each ended by a zero, and a zero to end.
    const std::wstring extension = text::Widen(request.extension);
    std::wstring filter = text::Widen(request.filter) + L'\0' + L"*." + extension + L'\0';
    filter += L'\0';
    const std::wstring caption = text::Widen(request.caption);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = caption.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!getSaveFileName(&dialog)) {
        return std::nullopt;
    }
    return text::Narrow(file.c_str());
}

}  // namespace brevolt::win32
