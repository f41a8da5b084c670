#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

// Reading and working another process's controls, as a user (or a screen reader) would.
namespace brevolt::e2e {

// The first descendant of this class (and, if given, this text).
HWND FindChild(HWND parent, const wchar_t* className, const std::wstring& text = L"");
// The visible dialog box (class #32770) of a thread, or none.
HWND VisibleDialogOf(DWORD thread);
std::vector<HWND> FindChildren(HWND parent, const wchar_t* className);

// A left click in the middle of the window.
void Click(HWND window);
// Real key presses, as the keyboard makes them, to the program of this (top-level) window,
// brought to the front first: the keys go down in this order and come up in the reverse one.
void PressKeys(HWND window, std::initializer_list<WORD> keys);
// The control that has the keyboard focus in the program of this window.
HWND FocusedControl(HWND window);
// The menu command with this id, as if chosen from the menu bar.
void ChooseMenuCommand(HWND window, UINT id);

// List views.
int ItemCount(HWND listView);
std::wstring ItemText(HWND listView, int item, int column = 0);
bool IsItemChecked(HWND listView, int item);
// Gives the item the focus and presses the space bar on it.
void ToggleWithSpaceBar(HWND listView, int item);
// The item whose column 0 or 1 holds this text; -1 when there is none.
int FindItem(HWND listView, const std::wstring& text, int column);

// Tab controls.
std::vector<std::wstring> TabTexts(HWND tabControl);
std::wstring SelectedTab(HWND tabControl);
// Clicks the tab with this text.
void ClickTab(HWND tabControl, const std::wstring& text);

// Combo boxes: chooses the entry as the user would, telling the combo box's parent.
void ChooseEntry(HWND comboBox, int index);

}  // namespace brevolt::e2e
