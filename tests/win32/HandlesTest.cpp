#include <gtest/gtest.h>

#include <string>

#include "win32/Handles.h"

namespace brevolt::win32 {
namespace {

TEST(Handles, AFileThatCouldNotBeOpenedOwnsNothing) {
    UniqueFile missing(CreateFileW(L"C:\\no such folder\\brevolt.tmp", GENERIC_WRITE, 0, nullptr,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_FALSE(missing);
    EXPECT_FALSE(UniqueFile(nullptr));

    wchar_t folder[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, folder), 0u);
    const std::wstring path = std::wstring(folder) + L"brevolt-handles.tmp";
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    ASSERT_TRUE(file);
    missing = std::move(file);
    EXPECT_TRUE(missing);
    EXPECT_FALSE(file);
    missing.reset();  // closed: the file deletes itself
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace brevolt::win32
