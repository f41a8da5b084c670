#pragma once

#include "app/uGlobalVar.h"

namespace brevolt::testing {

// Puts the shared state back to how it is at start, for the test's start and end.
class FreshSharedState {
  public:
    FreshSharedState() { Reset(); }
    ~FreshSharedState() { Reset(); }
    FreshSharedState(const FreshSharedState&) = delete;
    FreshSharedState& operator=(const FreshSharedState&) = delete;

    static void Reset() {
        using namespace uGlobalVar;
        DoneGlobals();
        AppDir.clear();
        SavedVersion.clear();
        CurrentVersion.clear();
        Installed2000 = Installed2002 = Installed2003 = false;
        ExtListChanged = false;
        UnblockedExts.clear();
        BlockedExts.clear();
        OwnExts.clear();
        CurrentIdent.clear();
    }
};

}  // namespace brevolt::testing
