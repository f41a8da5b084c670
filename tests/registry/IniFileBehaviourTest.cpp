// The settings file's behaviour, the same through the private-profile API (under Wine) and the
// portable implementation.
#include <gtest/gtest.h>

#include "registry/Exceptions.h"
#include "registry/IniFile.h"
#include "support/RegistrySandbox.h"
#include "support/TempDir.h"

namespace brevolt {
namespace {

using registry::IniFile;

class IniFileBehaviour : public ::testing::Test {
  protected:
    testing::RegistrySandbox sandbox;  // installs the platform's settings-file backend
    testing::TempDir dir;
    std::string path = dir.File("main.ini");
};

TEST_F(IniFileBehaviour, MissingFileSectionOrKeyGivesTheDefault) {
    {
        IniFile ini(path);
        EXPECT_EQ(ini.ReadSetting("Brevolt", "LastVersion", "none"), "none");
    }
    testing::WriteFileBytes(path, "[Other]\r\nLastVersion=9.0\r\n[Brevolt]\r\nElse=1\r\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadSetting("Brevolt", "LastVersion", ""), "");
    EXPECT_EQ(ini.ReadSetting("Missing", "LastVersion", "d"), "d");
}

TEST_F(IniFileBehaviour, WriteCreatesFileAndSectionAndReadsBack) {
    {
        IniFile ini(path);
        ini.WriteSetting("Brevolt", "LastVersion", "11.0");
    }
    const std::string bytes = testing::ReadFileBytes(path);
    EXPECT_NE(bytes.find("[Brevolt]\r\nLastVersion=11.0\r\n"), std::string::npos) << bytes;
    IniFile ini(path);
    EXPECT_EQ(ini.ReadSetting("Brevolt", "LastVersion", ""), "11.0");
    EXPECT_EQ(ini.ReadSetting("brevolt", "lastversion", ""), "11.0");
}

TEST_F(IniFileBehaviour, WriteReplacesTheValueAndKeepsTheRest) {
    testing::WriteFileBytes(path, "[Other]\r\nA=1\r\n[Brevolt]\r\nLastVersion=9.0\r\nB=2\r\n");
    IniFile ini(path);
    ini.WriteSetting("Brevolt", "LastVersion", "");
    EXPECT_EQ(ini.ReadSetting("Brevolt", "LastVersion", "default"), "");
    EXPECT_EQ(ini.ReadSetting("Other", "A", ""), "1");
    EXPECT_EQ(ini.ReadSetting("Brevolt", "B", ""), "2");
}

TEST_F(IniFileBehaviour, ValuesAreTrimmedAndUnquoted) {
    testing::WriteFileBytes(path,
                            "[Brevolt]\r\n  LastVersion =  10.0  \r\nQuoted=\"6.0\"\r\n"
                            "Umlaut=\xC4nderung\r\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadSetting("Brevolt", "LastVersion", ""), "10.0");
    EXPECT_EQ(ini.ReadSetting("Brevolt", "Quoted", ""), "6.0");
    EXPECT_EQ(ini.ReadSetting("Brevolt", "Umlaut", ""), "Änderung");  // the file is ANSI
}

TEST_F(IniFileBehaviour, ASettingIsReadUpTo2047Characters) {
    testing::WriteFileBytes(path, "[Brevolt]\r\nLong=" + std::string(3000, 'x') + "\r\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadSetting("Brevolt", "Long", ""), std::string(2047, 'x'));
}

TEST_F(IniFileBehaviour, AnUnwritableFileRaisesWithItsPath) {
    dir.BlockFile("main.ini");
    IniFile ini(path);
    try {
        ini.WriteSetting("Brevolt", "LastVersion", "9.0");
        FAIL() << "no error raised";
    } catch (const registry::IniFileError& error) {
        EXPECT_EQ(std::string(error.what()), "In " + path + " kann nicht geschrieben werden");
    }
}

}  // namespace
}  // namespace brevolt
