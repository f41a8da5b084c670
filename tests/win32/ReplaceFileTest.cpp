// Writing a whole file in place of another, as the export does, on the real file system.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "win32/Win32Application.h"

namespace brevolt::win32 {
namespace {

// What the folder holds, by name.
std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::u8path(folder))) {
        const auto name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplaceFile, AFileIsReplacedWholeAndAFailedWriteLeavesNothingBehind) {
    testing::TempDir dir;
    Win32Application application;
    testing::WriteFileBytes(dir.File("Brevolt Outlook 2003.reg"), "the old, longer content");
    EXPECT_TRUE(application.ReplaceFile(dir.File("Brevolt Outlook 2003.reg"), "new"));
    EXPECT_EQ(testing::ReadFileBytes(dir.File("Brevolt Outlook 2003.reg")), "new");

    dir.BlockFile("blocked.reg");  // a folder where the file would go
    EXPECT_FALSE(application.ReplaceFile(dir.File("blocked.reg"), "new"));
    EXPECT_FALSE(application.ReplaceFile(dir.File("missing\\x.reg"), "new"));
    EXPECT_EQ(Entries(dir.Path()),
              (std::vector<std::string>{"Brevolt Outlook 2003.reg", "blocked.reg"}))
        << "no half-written file, no temporary one";
}

}  // namespace
}  // namespace brevolt::win32
