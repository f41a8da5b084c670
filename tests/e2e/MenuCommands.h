#pragma once

#include <windows.h>

// The main window's menu commands: numbered from 100 in the order the items stand in the menus,
// counted depth first (the menus themselves and the separator count too).
namespace brevolt::e2e {

constexpr UINT kMenuFileExport = 101;
constexpr UINT kMenuFileUndo = 102;
constexpr UINT kMenuFileExit = 103;
constexpr UINT kMenuOutlookExpress = 105;
constexpr UINT kMenuOutlook2002 = 108;
constexpr UINT kMenuOutlook2003 = 109;
constexpr UINT kMenuHelpManual = 115;
constexpr UINT kMenuHelpAbout = 117;

}  // namespace brevolt::e2e
