# The Windows side's sources, for the brevolt_win32 library.
set(BREVOLT_WIN32_SOURCES
    win32/AboutView.cpp
    win32/CheckListView.cpp
    win32/ControlView.cpp
    win32/DropDownView.cpp
    win32/FlatButtonView.cpp
    win32/Gdi.cpp
    win32/GridView.cpp
    win32/MainWindowView.cpp
    win32/MessageBoxes.cpp
    win32/TextDialog.cpp
    win32/Panel.cpp
    win32/ScrollTextView.cpp
    win32/TabView.cpp
    win32/Win32Application.cpp
    win32/Window.cpp)
