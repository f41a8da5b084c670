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
    bool Succeeded() const { return failed.empty(); }
};

// Makes the planned changes, all or none: first reads how every value and key they touch stands
// now (a state that cannot be read stops it before anything is written), then writes them in
// order; at the first failure it puts back every value already written as it was and removes the
// keys the writes created, deepest first.
WriteOutcome ApplyAllOrNothing(RegistryBackend& registry,
                               const std::vector<PlannedChange>& changes);

// The German report of a failed write: what stopped it and why, and whether everything was put
// back.
std::string FailedWriteReport(const WriteOutcome& outcome);

// "HKEY_CURRENT_USER" and the like.
std::string HiveName(Hive hive);

}  // namespace brevolt::registry
