#pragma once

#include <span>
#include <string>
#include <vector>

#include "widgets/CheckList.h"

// What the two Outlook Express pages share: check items bound to a read and a write each.
namespace brevolt::express {

struct CheckItem {
    bool (*read)();
    bool (*write)(bool ticked);
};

// Each item's tick from its read, in order.
void LoadTicks(widgets::CheckList& list, std::span<const CheckItem> items);

// Each item's write with its tick, in order; the captions of those not written.
std::vector<std::string> SaveTicks(const widgets::CheckList& list,
                                   std::span<const CheckItem> items);

}  // namespace brevolt::express
