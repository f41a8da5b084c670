// The version procedures where the registry refuses: faults the in-memory registry can stage.
#include <gtest/gtest.h>

#include "registry/MemoryRegistry.h"
#include "registry/Registry.h"
#include "versions/VersionRegistry.h"

namespace brevolt {
namespace {

using registry::Hive;

class VersionFaults : public ::testing::Test {
  protected:
    registry::MemoryRegistry memory;
    registry::BackendScope scope{memory};
};

TEST_F(VersionFaults, TheWriteTestFailsWhenTheOfficeKeyCannotBeCreated) {
    memory.DenyCreate(Hive::CurrentUser, "Software\\Microsoft\\Office\\0.0");
    EXPECT_FALSE(versions::CanWriteOfficeKey());
}

TEST_F(VersionFaults, TheWriteTestPassesEvenWhenItsKeyCannotBeRemoved) {
    registry::Registry reg;
    ASSERT_TRUE(reg.OpenPath("Software\\Microsoft\\Office\\0.0\\Stuck", true));
    memory.DenyFullAccess(Hive::CurrentUser, "Software\\Microsoft\\Office\\0.0\\Stuck");
    EXPECT_TRUE(versions::CanWriteOfficeKey());
    EXPECT_TRUE(reg.PathExists("\\Software\\Microsoft\\Office\\0.0"));
}

TEST_F(VersionFaults, AReadOnlyOfficeKeyFailsTheWriteTest) {
    registry::Registry reg;
    reg.MakePath("Software\\Microsoft\\Office");
    memory.DenyFullAccess(Hive::CurrentUser, "Software\\Microsoft\\Office");
    EXPECT_FALSE(versions::CanWriteOfficeKey());
    EXPECT_FALSE(reg.PathExists("Software\\Microsoft\\Office\\9.0"));
}

}  // namespace
}  // namespace brevolt
