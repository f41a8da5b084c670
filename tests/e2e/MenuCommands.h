#pragma once

#include <windows.h>

// The main window's menu commands: numbered from 100 in the order the items stand in the menus,
// counted depth first (the menus themselves and the separator count too).
namespace brevolt::e2e {

constexpr UINT kMenuFileExport = 101;
constexpr UINT kMenuFileExit = 102;
constexpr UINT kMenuOutlookExpress = 104;
constexpr UINT kMenuOutlook2002 = 107;
constexpr UINT kMenuOutlook2003 = 108;
constexpr UINT kMenuHelpManual = 114;
constexpr UINT kMenuHelpAbout = 116;

}  // namespace brevolt::e2e
