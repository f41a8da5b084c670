// Any bytes as the undo file: reading never fails, and a file it reads writes back as a file that
// reads the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/SaveUndo.h"

namespace {

bool Same(const brevolt::SaveUndo& a, const brevolt::SaveUndo& b) {
    if (!(a.savedAt == b.savedAt) || a.createdKeys != b.createdKeys ||
        a.values.size() != b.values.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.values.size(); ++i) {
        if (a.values[i].hive != b.values[i].hive || a.values[i].key != b.values[i].key ||
            a.values[i].name != b.values[i].name || a.values[i].value != b.values[i].value) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brevolt;
    std::string problem;
    const auto undo =
        ReadUndoFile(std::string_view(reinterpret_cast<const char*>(data), size), problem);
    if (!undo) {
        if (problem.empty()) {
            __builtin_trap();  // every refusal says why
        }
        return 0;
    }
    const auto again = ReadUndoFile(UndoFileBytes(*undo), problem);
    if (!again || !Same(*undo, *again)) {
        __builtin_trap();
    }
    return 0;
}
