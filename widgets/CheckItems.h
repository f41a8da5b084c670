#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "widgets/CheckList.h"

namespace brevolt::widgets {

// One stored setting behind an item of a check list: how its tick is read, and how a tick is
// written (true when it was).
struct CheckItem {
    std::function<bool()> read;
    std::function<bool(bool ticked)> write;
};

// Each item's tick from its read, in order, as one change of the list.
void LoadTicks(CheckList& list, std::span<const CheckItem> items);

// Every item's tick, in order.
std::vector<bool> Ticks(const CheckList& list);
// Sets every item's tick, as one change of the list.
void SetTicks(CheckList& list, const std::vector<bool>& ticks);

// Each item's write with its tick, in order; the captions of those not written.
std::vector<std::string> SaveTicks(const CheckList& list, std::span<const CheckItem> items);

}  // namespace brevolt::widgets
