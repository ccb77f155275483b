#include "toolkit/base/item_marks.h"

#include <algorithm>
#include <bit>

namespace qb {
namespace {

constexpr std::size_t kMinSlots = 16;

// Slots for `items` with the table at most half full.
std::size_t slots_for(std::size_t items) { return std::bit_ceil(std::max(kMinSlots, items * 2)); }

}  // namespace

ItemMarks::ItemMarks(std::size_t expected) {
  runs_.resize(slots_for(expected) / kRun);
  shift_ = 64 - static_cast<unsigned>(std::countr_zero(slots()));
}

// Slots come in runs of eight (about a cache line).  The run is picked by
// Fibonacci hashing of the handle without its low three bits, and the low
// bits pick the slot within it: handles that count up (as a host's
// identifiers often do, for items made one after another) share runs, so a
// walk over neighbouring items touches a few lines instead of one per item.
// Aligned pointers all start at their run's first slot and fill the run by
// probing, which mostly stays within that run while the table is at
// most half full.
std::size_t ItemMarks::home(LWItemID item) const {
  const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(item));
  const auto run = static_cast<std::size_t>(((bits >> 3) * 0x9E3779B97F4A7C15ull) >> shift_);
  return (run & ~std::size_t{7}) | static_cast<std::size_t>(bits & 7);
}

std::size_t ItemMarks::find(LWItemID item) const {
  const std::size_t mask = slots() - 1;
  std::size_t i = home(item);
  while (item_at(i) != nullptr && item_at(i) != item) i = (i + 1) & mask;
  return i;
}

std::uint8_t ItemMarks::add(LWItemID item, std::uint8_t marks) {
  if (item == nullptr) {
    const std::uint8_t before = null_marks_;
    if (before == 0 && marks != 0) ++size_;
    null_marks_ |= marks;
    return before;
  }
  std::size_t i = find(item);
  if (item_at(i) == nullptr) {
    if (marks == 0) return 0;
    if ((size_ + 1) * 2 > slots()) {
      grow();
      i = find(item);
    }
    item_at(i) = item;
    ++size_;
  }
  const std::uint8_t before = marks_at(i);
  marks_at(i) |= marks;
  return before;
}

bool ItemMarks::has(LWItemID item, std::uint8_t mark) const {
  if (item == nullptr) return (null_marks_ & mark) != 0;
  return (marks_at(find(item)) & mark) != 0;
}

void ItemMarks::grow() {
  std::vector<Run> old(runs_.size() * 2);
  old.swap(runs_);
  --shift_;
  for (const Run &run : old)
    for (std::size_t k = 0; k < kRun; ++k) {
      if (run.items[k] == nullptr) continue;
      const std::size_t slot = find(run.items[k]);
      item_at(slot) = run.items[k];
      marks_at(slot) = run.marks[k];
    }
}

}  // namespace qb
