// Any text as a stored extension list: reading, matching and writing it back never fails.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/UpperCase.h"
#include "unblock/Catalogue.h"
#include "unblock/ExtensionList.h"
#include "unblock/Rating.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brevolt;
    const std::string list = unblock::TrimListEnds(
        text::UpperCase(std::string_view(reinterpret_cast<const char*>(data), size)));
    const auto entries = unblock::ListEntries(list);
    for (const auto& entry : entries) {
        if (entry.empty() || entry.front() == ' ' || entry.back() == ' ') {
            __builtin_trap();  // entries come without surrounding blanks
        }
        unblock::RateFileType(entry);
    }
    // The list contains exactly the types its entries name, whole: probed with its last entry
    // and with that entry's tail, two scans whatever the list's length.
    if (!entries.empty()) {
        const std::string& last = entries.back();
        const std::string tail = last.substr(1);
        const bool tailNamed = std::find(entries.begin(), entries.end(), tail) != entries.end();
        if (!unblock::ListContains(list, last) || unblock::ListContains(list, tail) != tailNamed) {
            __builtin_trap();
        }
        unblock::RateExtension(last);
    }
    const auto asStored = unblock::StoredEntries(list);
    if (unblock::StoredEntries(unblock::JoinList(asStored)) != asStored) {
        __builtin_trap();  // entries written back read back as they were stored
    }
    return 0;
}
