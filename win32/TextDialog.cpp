#include "win32/TextDialog.h"

#include <vector>

#include "base/WideText.h"
#include "resources/Texts.h"
#include "win32/CloseAtOnce.h"
#include "win32/Win32Application.h"

namespace brevolt::win32 {
namespace {

using resources::LoadText;
using resources::TextId;

constexpr WORD kEditId = 100;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

// A dialog template in memory, in the layout DialogBoxIndirectParamW reads: the dialog's header
// with its font, then each control on a DWORD boundary.
class DialogTemplate {
  public:
    DialogTemplate(const std::wstring& caption, short width, short height) {
        addDword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
        addDword(0);             // extended style
        count_ = words_.size();  // the number of controls, counted as they come
        words_.push_back(0);
        for (const short value : {short{0}, short{0}, width, height}) {
            words_.push_back(static_cast<WORD>(value));
        }
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the system's dialog class
        addText(caption);
        words_.push_back(8);  // points
        addText(L"MS Shell Dlg");
    }

    void Add(DWORD style, short x, short y, short width, short height, WORD id, WORD atom,
             const std::wstring& text) {
        while (words_.size() % 2 != 0) {
            words_.push_back(0);
        }
        addDword(style | WS_CHILD | WS_VISIBLE);
        addDword(0);
        for (const short value : {x, y, width, height}) {
            words_.push_back(static_cast<WORD>(value));
        }
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(atom);
        addText(text);
        words_.push_back(0);  // no creation data
        ++words_[count_];
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    void addDword(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void addText(const std::wstring& text) {
        words_.insert(words_.end(), text.begin(), text.end());
        words_.push_back(0);
    }

    std::vector<WORD> words_;
    std::size_t count_ = 0;
};

struct Asking {
    const widgets::TextRequest& request;
    const std::function<void(HWND dialog, const std::string& problem)>& tellProblem;
    std::optional<std::string> answer;
};

std::string EditText(HWND dialog) {
    const HWND edit = GetDlgItem(dialog, kEditId);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return text::Narrow(text);
}

// Ends the dialog with this result, at once (see ReadyToCloseAtOnce).
void Finish(HWND dialog, INT_PTR result) {
    ReadyToCloseAtOnce(dialog);
    EndDialog(dialog, result);
}

INT_PTR HandleMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            SetFocus(GetDlgItem(dialog, kEditId));
            return FALSE;  // the focus is set
        case WM_COMMAND: {
            auto* asking = reinterpret_cast<Asking*>(GetWindowLongPtrW(dialog, DWLP_USER));
            if (asking == nullptr) {
                break;
            }
            if (LOWORD(wParam) == IDOK) {
                const std::string text = EditText(dialog);
                const std::string problem =
                    asking->request.problem ? asking->request.problem(text) : std::string();
                if (!problem.empty()) {
                    asking->tellProblem(dialog, problem);
                    const HWND edit = GetDlgItem(dialog, kEditId);
                    SetFocus(edit);
                    SendMessageW(edit, EM_SETSEL, 0, -1);
                    return TRUE;
                }
                asking->answer = text;
                Finish(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                Finish(dialog, IDCANCEL);
                return TRUE;
            }
            break;
        }
        default:
            break;
    }
    return FALSE;
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleMessage(dialog, message, wParam, lParam);
    } catch (...) {
        // The request's check is the program's: an error in it ends the click, and the dialog
        // stays open.
        ReportCaughtError(dialog);
    }
    return FALSE;
}

}  // namespace

std::optional<std::string> AskTextModal(
    HWND owner, const widgets::TextRequest& request,
    const std::function<void(HWND dialog, const std::string& problem)>& tellProblem) {
    DialogTemplate layout(text::Widen(request.caption), 220, 62);
    layout.Add(SS_LEFT | SS_NOPREFIX, 7, 7, 206, 10, 0xFFFF, kStaticClass,
               text::Widen(request.prompt));
    layout.Add(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 19, 206, 14, kEditId, kEditClass, L"");
    layout.Add(BS_DEFPUSHBUTTON | WS_TABSTOP, 109, 41, 50, 14, IDOK, kButtonClass,
               text::Widen(LoadText(TextId::DialogOk)));
    layout.Add(BS_PUSHBUTTON | WS_TABSTOP, 163, 41, 50, 14, IDCANCEL, kButtonClass,
               text::Widen(LoadText(TextId::DialogCancel)));
    Asking asking{request, tellProblem, std::nullopt};
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), owner, &DialogProcedure,
                            reinterpret_cast<LPARAM>(&asking));
    return asking.answer;
}

}  // namespace brevolt::win32
