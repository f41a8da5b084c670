#include "support/win32/StateChanges.h"

#include <utility>

namespace brevolt::testing {
namespace {

// A hook's callback has no context of its own; one recorder listens at a time.
std::vector<LONG>* heard = nullptr;

void CALLBACK Hear(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD, DWORD) {
    if (heard != nullptr && object == OBJID_CLIENT) {
        heard->push_back(child);
    }
}

}  // namespace

StateChanges::StateChanges()
    : hook_(SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr, &Hear,
                            GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT)) {
    heard = &events_;
}

StateChanges::~StateChanges() {
    heard = nullptr;
    if (hook_ != nullptr) {
        UnhookWinEvent(hook_);
    }
}

std::vector<LONG> StateChanges::Take() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
    return std::exchange(events_, {});
}

}  // namespace brevolt::testing
