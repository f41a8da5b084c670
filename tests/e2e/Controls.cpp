#include "e2e/Controls.h"

#include <commctrl.h>

#include <stdexcept>

namespace brevolt::e2e {
namespace {

// Memory inside the process that owns a window, for messages that carry pointers.
class RemoteBuffer {
  public:
    RemoteBuffer(HWND window, std::size_t size) : size_(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
        if (process_ == nullptr) {
            throw std::runtime_error("cannot open the program's process");
        }
        address_ = static_cast<char*>(
            VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    }
    ~RemoteBuffer() {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    char* Address(std::size_t offset = 0) const { return address_ + offset; }
    void Write(std::size_t offset, const void* data, std::size_t size) {
        WriteProcessMemory(process_, address_ + offset, data, size, nullptr);
    }
    void Read(std::size_t offset, void* data, std::size_t size) const {
        ReadProcessMemory(process_, address_ + offset, data, size, nullptr);
    }

  private:
    HANDLE process_ = nullptr;
    char* address_ = nullptr;
    std::size_t size_;
};

constexpr std::size_t kTextChars = 512;

struct ChildSearch {
    const wchar_t* className;
    std::wstring text;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<ChildSearch*>(parameter);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (_wcsicmp(className, search.className) == 0) {
        wchar_t text[512] = {};
        GetWindowTextW(window, text, 512);
        if (search.text.empty() || search.text == text) {
            search.found.push_back(window);
        }
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> FindChildren(HWND parent, const wchar_t* className) {
    ChildSearch search{className, L"", {}};
    EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND VisibleDialogOf(DWORD thread) {
    HWND dialog = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM found) {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&dialog));
    return dialog;
}

HWND FindChild(HWND parent, const wchar_t* className, const std::wstring& text) {
    ChildSearch search{className, text, {}};
    EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

void Click(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const LPARAM at = MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageW(window, WM_MOUSEMOVE, 0, at);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
}

void PressKeys(HWND window, std::initializer_list<WORD> keys) {
    SetForegroundWindow(window);
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        inputs.push_back(down);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(up);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND FocusedControl(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

void ChooseMenuCommand(HWND window, UINT id) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

int ItemCount(HWND listView) {
    return static_cast<int>(SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring ItemText(HWND listView, int item, int column) {
    RemoteBuffer remote(listView, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
    LVITEMW request{};
    request.iSubItem = column;
    request.cchTextMax = kTextChars;
    request.pszText = reinterpret_cast<wchar_t*>(remote.Address(sizeof(LVITEMW)));
    remote.Write(0, &request, sizeof(request));
    const auto length =
        SendMessageW(listView, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(remote.Address()));
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    remote.Read(sizeof(LVITEMW), text.data(), text.size() * sizeof(wchar_t));
    return text;
}

bool IsItemChecked(HWND listView, int item) {
    const auto state = SendMessageW(listView, LVM_GETITEMSTATE, item, LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void ToggleWithSpaceBar(HWND listView, int item) {
    RemoteBuffer remote(listView, sizeof(LVITEMW));
    LVITEMW focus{};
    focus.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    focus.state = LVIS_FOCUSED | LVIS_SELECTED;
    remote.Write(0, &focus, sizeof(focus));
    SendMessageW(listView, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(remote.Address()));
    PostMessageW(listView, WM_KEYDOWN, VK_SPACE, 0x00390001);
    PostMessageW(listView, WM_CHAR, L' ', 0x00390001);
    PostMessageW(listView, WM_KEYUP, VK_SPACE, 0xC0390001);
}

int FindItem(HWND listView, const std::wstring& text, int column) {
    for (int item = 0; item < ItemCount(listView); ++item) {
        if (ItemText(listView, item, column) == text) {
            return item;
        }
    }
    return -1;
}

std::vector<std::wstring> TabTexts(HWND tabControl) {
    std::vector<std::wstring> texts;
    const auto count = SendMessageW(tabControl, TCM_GETITEMCOUNT, 0, 0);
    RemoteBuffer remote(tabControl, sizeof(TCITEMW) + kTextChars * sizeof(wchar_t));
    for (int tab = 0; tab < count; ++tab) {
        TCITEMW request{};
        request.mask = TCIF_TEXT;
        request.cchTextMax = kTextChars;
        request.pszText = reinterpret_cast<wchar_t*>(remote.Address(sizeof(TCITEMW)));
        remote.Write(0, &request, sizeof(request));
        const std::wstring empty(kTextChars, L'\0');
        remote.Write(sizeof(TCITEMW), empty.data(), empty.size() * sizeof(wchar_t));
        SendMessageW(tabControl, TCM_GETITEMW, tab, reinterpret_cast<LPARAM>(remote.Address()));
        std::wstring text(kTextChars, L'\0');
        remote.Read(sizeof(TCITEMW), text.data(), text.size() * sizeof(wchar_t));
        texts.push_back(text.c_str());
    }
    return texts;
}

std::wstring SelectedTab(HWND tabControl) {
    const auto selected = SendMessageW(tabControl, TCM_GETCURSEL, 0, 0);
    const auto texts = TabTexts(tabControl);
    return selected >= 0 && selected < static_cast<LRESULT>(texts.size()) ? texts[selected]
                                                                          : std::wstring();
}

}  // namespace brevolt::e2e

namespace brevolt::e2e {

void ClickTab(HWND tabControl, const std::wstring& text) {
    const auto texts = TabTexts(tabControl);
    for (std::size_t tab = 0; tab < texts.size(); ++tab) {
        if (texts[tab] != text) {
            continue;
        }
        RemoteBuffer remote(tabControl, sizeof(RECT));
        SendMessageW(tabControl, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(remote.Address()));
        RECT bounds{};
        remote.Read(0, &bounds, sizeof(bounds));
        const LPARAM at =
            MAKELPARAM((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
        PostMessageW(tabControl, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(tabControl, WM_LBUTTONUP, 0, at);
        return;
    }
}

void ChooseEntry(HWND comboBox, int index) {
    SendMessageW(comboBox, CB_SETCURSEL, index, 0);
    PostMessageW(GetParent(comboBox), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(comboBox), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(comboBox));
}

}  // namespace brevolt::e2e
