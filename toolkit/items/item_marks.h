// Marks on item handles, kept in one flat table for a whole run.
//
// A run over a large scene asks "listed already?" once or twice per item; a
// node-based hash set allocates per member and scatters its nodes, so each
// question costs a cache miss or two more than the table itself.  Here the
// handles sit in one array (open addressing, linear probing, at most half
// full), each with a few bits of marks, so a question touches one slot and
// usually its neighbour.
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
  struct Slot {
    LWItemID item = nullptr;  // null: free (the null handle's marks are kept apart)
    std::uint8_t marks = 0;
  };
  std::size_t home(LWItemID item) const;
  std::size_t find(LWItemID item) const;  // its slot, or the free slot where it would go
  void grow();

  std::vector<Slot> slots_;
  unsigned shift_ = 64;
  std::size_t size_ = 0;
  std::uint8_t null_marks_ = 0;
};

}  // namespace qb
