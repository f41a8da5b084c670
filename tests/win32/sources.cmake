# In-process tests of the Windows side (real controls, input sent as window messages).
set(BREVOLT_WIN32_TESTS
    win32/CheckListViewTest.cpp
    win32/DropDownViewTest.cpp
    win32/GridViewTest.cpp
    win32/HandlesTest.cpp
    win32/HeaderCopyTest.cpp
    win32/MainWindowViewTest.cpp
    win32/MessageBoxesTest.cpp
    win32/PaletteTest.cpp
    win32/ProcedureErrorReportTest.cpp
    win32/ReplaceFileTest.cpp
    win32/TextDialogTest.cpp
    win32/WindowTest.cpp)
