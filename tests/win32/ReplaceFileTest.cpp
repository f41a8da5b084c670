// Writing a whole file in place of another, as the export does, on the real file system.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/WideText.h"
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

TEST(FileReplacement, AFileIsReplacedWholeAndAFailedWriteLeavesNothingBehind) {
    testing::TempDir dir;
    Win32Application application;
    testing::WriteFileBytes(dir.File("Brevolt Outlook 2003.reg"), "the old, longer content");
    const std::wstring old = text::Widen(dir.File("Brevolt Outlook 2003.reg"));
    SetFileAttributesW(old.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(application.ReplaceFile(dir.File("Brevolt Outlook 2003.reg"), "new").done);
    EXPECT_EQ(testing::ReadFileBytes(dir.File("Brevolt Outlook 2003.reg")), "new");
    EXPECT_NE(GetFileAttributesW(old.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u)
        << "the file keeps its attributes";
    EXPECT_TRUE(application.ReplaceFile(dir.File("new.reg"), "first").done);
    EXPECT_EQ(testing::ReadFileBytes(dir.File("new.reg")), "first");

    dir.BlockFile("blocked.reg");  // a folder where the file would go
    const auto blocked = application.ReplaceFile(dir.File("blocked.reg"), "new");
    EXPECT_FALSE(blocked.done);
    EXPECT_FALSE(blocked.reason.empty()) << "the system says why";
    const auto missing = application.ReplaceFile(dir.File("missing\\x.reg"), "new");
    EXPECT_FALSE(missing.done);
    EXPECT_FALSE(missing.reason.empty());
    EXPECT_EQ(Entries(dir.Path()),
              (std::vector<std::string>{"Brevolt Outlook 2003.reg", "blocked.reg", "new.reg"}))
        << "no half-written file, no temporary one";
}

}  // namespace
}  // namespace brevolt::win32
