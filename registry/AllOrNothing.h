#pragma once

#include <string>
#include <vector>

#include "registry/PlanningRegistry.h"
#include "registry/RegistryBackend.h"

namespace brevolt::registry {

// A value that could not be written or put back, and why.
struct WriteProblem {
    std::string value;   // "HKEY_CURRENT_USER\<key>\<name>", or the key alone
    std::string reason;  // the system's text
};

struct WriteOutcome {
    std::vector<WriteProblem> failed;       // what stopped the writes; empty when all were made
    std::vector<WriteProblem> notRestored;  // what could not be put back as it was
    // When all were made, the way back: every value written as it stood before (empty: it did
    // not exist), in the order written, and the keys that were missing, deepest first.
    std::vector<PlannedChange> replaced;
    std::vector<KeyPlace> created;
    bool Succeeded() const { return failed.empty(); }
};

// Makes the planned changes, all or none: first reads how every value and key they touch stands
// now (a state that cannot be read stops it before anything is written), then writes them in
// order, then removes each of `removeWhenEmpty` (deepest first) that holds nothing any more; at
// the first failure it puts back every value already written as it was, makes the removed keys
// again and removes the keys the writes created, deepest first. Removing a value that is not
// there creates no key for it.
WriteOutcome ApplyAllOrNothing(RegistryBackend& registry, const std::vector<PlannedChange>& changes,
                               const std::vector<KeyPlace>& removeWhenEmpty = {});

// The German report of a failed save: what stopped it and why, and whether everything was put
// back.
std::string FailedWriteReport(const WriteOutcome& outcome);
// The same under another heading, with another sentence for everything put back.
std::string FailedWriteReport(const WriteOutcome& outcome, const std::string& heading,
                              const std::string& restored);

// "HKEY_CURRENT_USER" and the like.
std::string HiveName(Hive hive);

}  // namespace brevolt::registry
