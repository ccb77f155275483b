// Marks on item handles, kept in one flat table for a whole run.
//
// A run over a large scene asks "listed already?" once or twice per item; a
// node-based hash set allocates per member and scatters its nodes, so each
// question costs a cache miss or two more than the table itself.  Here the
// handles sit in one array (open addressing, linear probing, at most half
// full), each with a few bits of marks, so a question touches one slot and
// usually its neighbour, and neighbouring handles share cache lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "abi/host_api.h"

namespace qb {

class ItemMarks {
 public:
  // Room for `expected` items before the table first grows.
  explicit ItemMarks(std::size_t expected = 0);

  // Sets the bits of `marks` on the item; answers the item's marks before.
  std::uint8_t add(LWItemID item, std::uint8_t marks);
  // Sets `mark` (one bit) on the item; true when it was not set.
  bool set(LWItemID item, std::uint8_t mark = 1) { return (add(item, mark) & mark) == 0; }
  bool has(LWItemID item, std::uint8_t mark = 1) const;
  std::size_t size() const { return size_; }  // items with any mark

 private:
  // Eight slots: their handles, then their marks (72 bytes, not the 128 of
  // eight padded handle-and-marks pairs).  A null handle is a free slot (the
  // null handle's marks are kept apart).
  static constexpr std::size_t kRun = 8;
  struct Run {
    LWItemID items[kRun] = {};
    std::uint8_t marks[kRun] = {};
  };
  LWItemID &item_at(std::size_t slot) { return runs_[slot / kRun].items[slot % kRun]; }
  LWItemID item_at(std::size_t slot) const { return runs_[slot / kRun].items[slot % kRun]; }
  std::uint8_t &marks_at(std::size_t slot) { return runs_[slot / kRun].marks[slot % kRun]; }
  std::uint8_t marks_at(std::size_t slot) const { return runs_[slot / kRun].marks[slot % kRun]; }
  std::size_t slots() const { return runs_.size() * kRun; }
  std::size_t home(LWItemID item) const;
  std::size_t find(LWItemID item) const;  // its slot, or the free slot where it would go
  void grow();

  std::vector<Run> runs_;
  unsigned shift_ = 64;
  std::size_t size_ = 0;
  std::uint8_t null_marks_ = 0;
};

}  // namespace qb
