#include <gtest/gtest.h>

#include "support/RegistrySandbox.h"
#include "versions/VersionRegistry.h"

namespace brevolt {
namespace {

using registry::Hive;

class VersionProcedures : public ::testing::Test {
  protected:
    testing::RegistrySandbox sandbox;
};

TEST_F(VersionProcedures, AVersionIsInstalledWhenItsOutlookKeyOpens) {
    sandbox.MakeKey(Hive::CurrentUser, "Software\\Microsoft\\Office\\10.0\\Outlook");
    sandbox.MakeKey(Hive::CurrentUser, "Software\\Microsoft\\Office\\11.0\\Outlook");
    sandbox.DenyFullAccess(Hive::CurrentUser, "Software\\Microsoft\\Office\\11.0\\Outlook");
    sandbox.MakeKey(Hive::LocalMachine, "Software\\Microsoft\\Office\\9.0\\Outlook");

    EXPECT_FALSE(versions::IsOutlookInstalled("9.0"));  // only machine-wide
    EXPECT_TRUE(versions::IsOutlookInstalled("10.0"));
    EXPECT_FALSE(versions::IsOutlookInstalled("11.0"));  // readable only
    EXPECT_FALSE(versions::IsOutlookInstalled(""));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software\\Microsoft\\Office\\9.0"));
}

// An installation is found where Office's installers record it, in either view of
// HKEY_LOCAL_MACHINE; a bare Outlook key there, or the user's own key, is no installation.
TEST_F(VersionProcedures, AnInstallationIsFoundByItsInstallRootAndOnlyRead) {
    const std::string clickToRun =
        "Software\\Microsoft\\Office\\ClickToRun\\REGISTRY\\MACHINE\\Software\\";
    sandbox.MakeKey(Hive::LocalMachine64,
                    "Software\\Microsoft\\Office\\16.0\\Outlook\\InstallRoot");
    sandbox.MakeKey(Hive::LocalMachine, "Software\\Microsoft\\Office\\15.0\\Outlook\\InstallRoot");
    sandbox.MakeKey(Hive::LocalMachine64,
                    clickToRun + "Microsoft\\Office\\14.0\\Outlook\\InstallRoot");
    sandbox.MakeKey(Hive::LocalMachine64,
                    clickToRun + "Wow6432Node\\Microsoft\\Office\\12.0\\Outlook\\InstallRoot");
    sandbox.MakeKey(Hive::LocalMachine64, "Software\\Microsoft\\Office\\11.0\\Outlook");
    sandbox.MakeKey(Hive::CurrentUser, "Software\\Microsoft\\Office\\10.0\\Outlook\\InstallRoot");

    for (const char* found : {"16.0", "15.0", "14.0", "12.0"}) {
        EXPECT_TRUE(versions::IsOutlookInstalledOnMachine(found)) << found;
    }
    for (const char* missing : {"11.0", "10.0", "9.0", ""}) {
        EXPECT_FALSE(versions::IsOutlookInstalledOnMachine(missing)) << missing;
    }
    for (const auto hive : {Hive::LocalMachine, Hive::LocalMachine64}) {
        EXPECT_FALSE(sandbox.Exists(hive, "Software\\Microsoft\\Office\\9.0")) << "nothing created";
    }
    EXPECT_TRUE(versions::HasClickToRunTree());
    EXPECT_FALSE(versions::IsOutlookInstalledOnMachine("14.0", false)) << "not looked for there";
    EXPECT_TRUE(versions::IsOutlookInstalledOnMachine("16.0", false));
}

TEST_F(VersionProcedures, WithoutAClickToRunTreeThereIsNoneToLookIn) {
    sandbox.MakeKey(Hive::LocalMachine64, "Software\\Microsoft\\Office\\ClickToRun");
    EXPECT_FALSE(versions::HasClickToRunTree());
}

TEST_F(VersionProcedures, TheWriteTestLeavesNoOfficeKeyBehind) {
    sandbox.PutText(Hive::CurrentUser, "Software\\Microsoft\\Office\\0.0\\Left\\Over", "V", "x");
    EXPECT_TRUE(versions::CanWriteOfficeKey());
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software\\Microsoft\\Office\\0.0"));
    EXPECT_TRUE(sandbox.Exists(Hive::CurrentUser, "Software\\Microsoft\\Office"));

    EXPECT_TRUE(versions::CanWriteOfficeKey());
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software\\Microsoft\\Office\\0.0"));
}

}  // namespace
}  // namespace brevolt
