// Planned writes made all or none, on the in-memory registry and, under Wine, the real one.
#include <gtest/gtest.h>

#include "registry/AllOrNothing.h"
#include "registry/PlanningRegistry.h"
#include "registry/ValueCodec.h"
#include "support/CountingRegistry.h"
#include "support/RegistrySandbox.h"

namespace brevolt {
namespace {

using registry::Hive;
using registry::PlannedChange;

const std::string kKept = "Software\\Brevolt AllOrNothing\\Kept";
const std::string kNew = "Software\\Brevolt AllOrNothing\\New\\Deeper";
const std::string kLocked = "Software\\Brevolt AllOrNothing\\Locked";

class AllOrNothing : public ::testing::Test {
  protected:
    AllOrNothing() {
        sandbox.PutText(Hive::CurrentUser, kKept, "Changed", "old");
        sandbox.PutDword(Hive::CurrentUser, kKept, "Removed", 7);
        sandbox.PutText(Hive::CurrentUser, kLocked, "Value", "locked");
    }

    // Changes a value, removes one, writes one into keys that do not exist yet, then the last.
    std::vector<PlannedChange> Plan(const std::string& lastKey) {
        return {{Hive::CurrentUser, kKept, "Changed", registry::EncodeText("new")},
                {Hive::CurrentUser, kKept, "Removed", std::nullopt},
                {Hive::CurrentUser, kKept, "Missing", std::nullopt},
                {Hive::CurrentUser, kNew, "Added", registry::EncodeDword(1)},
                {Hive::CurrentUser, lastKey, "Value", registry::EncodeText("last")}};
    }

    testing::RegistrySandbox sandbox;
};

TEST_F(AllOrNothing, EveryChangeIsMadeWhenNoneFails) {
    const auto outcome = registry::ApplyAllOrNothing(sandbox.Backend(), Plan(kKept));
    EXPECT_TRUE(outcome.Succeeded());
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kKept, "Changed"), registry::EncodeText("new"));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kKept, "Removed"), std::nullopt);
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kNew, "Added"), registry::EncodeDword(1));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kKept, "Value"), registry::EncodeText("last"));
}

// The last write fails: every earlier one is put back, the keys they created go, and the
// failure is named with the system's reason.
TEST_F(AllOrNothing, AFailingWritePutsBackEverythingBeforeIt) {
    sandbox.DenyFullAccess(Hive::CurrentUser, kLocked);
    const auto outcome = registry::ApplyAllOrNothing(sandbox.Backend(), Plan(kLocked));
    ASSERT_FALSE(outcome.Succeeded());
    ASSERT_EQ(outcome.failed.size(), 1u);
    EXPECT_EQ(outcome.failed[0].value, "HKEY_CURRENT_USER\\" + kLocked + "\\Value");
    EXPECT_FALSE(outcome.failed[0].reason.empty());
    EXPECT_TRUE(outcome.notRestored.empty());
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kKept, "Changed"), registry::EncodeText("old"));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kKept, "Removed"), registry::EncodeDword(7));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kKept, "Missing"), std::nullopt);
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software\\Brevolt AllOrNothing\\New"));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kLocked, "Value"), registry::EncodeText("locked"));
}

// The way back a success gives puts every value back and removes the keys the writes made, each
// only when nothing else was put in it since.
TEST_F(AllOrNothing, TheWayBackPutsBackEveryValueAndRemovesTheKeysMadeThatNothingElseUses) {
    const std::string newKey = "Software\\Brevolt AllOrNothing\\New";
    const auto there = registry::ApplyAllOrNothing(sandbox.Backend(), Plan(kKept));
    ASSERT_TRUE(there.Succeeded());
    ASSERT_EQ(there.replaced.size(), 5u);
    EXPECT_EQ(there.replaced[0].value, registry::EncodeText("old"));
    EXPECT_EQ(there.replaced[1].value, registry::EncodeDword(7));
    EXPECT_EQ(there.replaced[3].value, std::nullopt);
    EXPECT_EQ(there.created, (std::vector<registry::KeyPlace>{{Hive::CurrentUser, kNew},
                                                              {Hive::CurrentUser, newKey}}))
        << "deepest first";
    sandbox.PutText(Hive::CurrentUser, newKey, "Since", "someone else's");

    const auto back = registry::ApplyAllOrNothing(sandbox.Backend(), there.replaced, there.created);
    ASSERT_TRUE(back.Succeeded());
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kKept, "Changed"), registry::EncodeText("old"));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kKept, "Removed"), registry::EncodeDword(7));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kKept, "Value"), std::nullopt);
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, kNew));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, newKey, "Since"),
              registry::EncodeText("someone else's"));
}

// A plan asks the system for each key once, however often its writers open it, and still reads
// what it planned: a key it would create is there, a value written reads back.
TEST_F(AllOrNothing, APlanOpensEachKeyOnce) {
    testing::CountingBackends counting(sandbox.Backend(), registry::CurrentIniBackend());
    registry::PlanningRegistry plan(counting);
    using registry::Access;
    for (int round = 0; round < 3; ++round) {
        const auto kept = plan.openKey(Hive::CurrentUser, kKept, Access::Read, false);
        ASSERT_NE(kept, nullptr);
        EXPECT_EQ(kept->queryValue("Changed"), registry::EncodeText("old"));
        EXPECT_EQ(plan.openKey(Hive::CurrentUser, kNew, Access::Read, false) != nullptr, round > 0);
        if (round == 0) {
            plan.openKey(Hive::CurrentUser, kNew, Access::Full, true)
                ->setValue("Added", registry::EncodeDword(1));
        }
    }
    EXPECT_EQ(plan.openKey(Hive::CurrentUser, kNew, Access::Read, false)->queryValue("Added"),
              registry::EncodeDword(1));
    EXPECT_EQ(counting.counts.opens, 2);
    EXPECT_EQ(counting.counts.repeatedOpens, 0);
    EXPECT_EQ(plan.Changes().size(), 1u);
}

}  // namespace
}  // namespace brevolt
