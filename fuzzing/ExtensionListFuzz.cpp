// Any text as a stored extension list: reading, matching and writing it back never fails.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/UpperCase.h"
#include "unblock/Catalogue.h"
#include "unblock/ExtensionList.h"
#include "unblock/Rating.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brevolt;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string list = unblock::TrimListEnds(text::UpperCase(input));
    const auto entries = unblock::ListEntries(list);
    for (const auto& entry : entries) {
        if (entry.empty() || entry.front() == ' ' || entry.back() == ' ') {
            __builtin_trap();  // entries come without surrounding blanks
        }
        unblock::RateFileType(entry);
    }
    for (const auto& row : unblock::Catalogue) {
        unblock::ListContains(list, row.extension);
        unblock::RateExtension(row.extension);
    }
    const auto asStored = unblock::StoredEntries(list);
    if (unblock::StoredEntries(unblock::JoinList(asStored)) != asStored) {
        __builtin_trap();  // entries written back read back as they were stored
    }
    return 0;
}
