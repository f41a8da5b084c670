#include "win32/MessageBoxes.h"

#include "base/WideText.h"
#include "win32/Handles.h"

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
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool MessageBoxes::ShowMessage(widgets::MessageKind kind, const std::string& caption,
                               const std::string& text) {
    const std::wstring wideText = text::Widen(text);
    const std::wstring wideCaption = text::Widen(caption);
    // MessageBoxW with a help context: the indirect form is the one that takes it.
    MSGBOXPARAMSW box{};
    box.cbSize = sizeof(box);
    box.hwndOwner = owner_;
    box.lpszText = wideText.c_str();
    box.lpszCaption = wideCaption.c_str();
    box.dwStyle = StyleOf(kind) | (owner_ == nullptr ? MB_TASKMODAL : 0);
    box.dwContextHelpId = kBoxMark;
    // For this thread only, and only while the box is up.
    const UniqueHook hook(SetWindowsHookExW(WH_CBT, &RenameButtons, nullptr, GetCurrentThreadId()));
    const int answer = MessageBoxIndirectW(&box);
    return kind != widgets::MessageKind::Confirmation || answer == IDYES;
}

}  // namespace brevolt::win32
