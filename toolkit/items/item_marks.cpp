#include "toolkit/items/item_marks.h"

#include <algorithm>
#include <bit>

namespace qb {
namespace {

constexpr std::size_t kMinSlots = 16;

// Slots for `items` with the table at most half full.
std::size_t slots_for(std::size_t items) { return std::bit_ceil(std::max(kMinSlots, items * 2)); }

}  // namespace

ItemMarks::ItemMarks(std::size_t expected) {
  slots_.resize(slots_for(expected));
  shift_ = 64 - static_cast<unsigned>(std::countr_zero(slots_.size()));
}

// Fibonacci hashing: handles that count up, or pointers a fixed stride apart,
// spread over the whole table.
std::size_t ItemMarks::home(LWItemID item) const {
  const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(item));
  return static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ull) >> shift_);
}

std::size_t ItemMarks::find(LWItemID item) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = home(item);
  while (slots_[i].item != nullptr && slots_[i].item != item) i = (i + 1) & mask;
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
  if (slots_[i].item == nullptr) {
    if (marks == 0) return 0;
    if ((size_ + 1) * 2 > slots_.size()) {
      grow();
      i = find(item);
    }
    slots_[i].item = item;
    ++size_;
  }
  const std::uint8_t before = slots_[i].marks;
  slots_[i].marks |= marks;
  return before;
}

bool ItemMarks::has(LWItemID item, std::uint8_t mark) const {
  if (item == nullptr) return (null_marks_ & mark) != 0;
  return (slots_[find(item)].marks & mark) != 0;
}

void ItemMarks::grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  --shift_;
  for (const Slot &slot : old)
    if (slot.item != nullptr) slots_[find(slot.item)] = slot;
}

}  // namespace qb
