#include "host/scene/name_texts.h"

#include <algorithm>
#include <cstring>

namespace qbhost {

const char *NameTexts::add(std::string_view text) {
  const std::size_t size = text.size() + 1;
  bytes_ += size;
  char *place = nullptr;
  if (size > kBlock / 4) {
    place = long_texts_.emplace_back(std::make_unique<char[]>(size)).get();
  } else {
    if (used_ + size > capacity_) {
      // Blocks grow with what has been written, so that a small scene stays small.
      capacity_ = std::clamp(bytes_, kFirstBlock, kBlock);
      blocks_.push_back(std::make_unique<char[]>(capacity_));
      used_ = 0;
    }
    place = blocks_.back().get() + used_;
    used_ += size;
  }
  std::memcpy(place, text.data(), text.size());
  place[text.size()] = '\0';
  return place;
}

void NameTexts::clear() {
  blocks_.clear();
  long_texts_.clear();
  capacity_ = 0;
  used_ = 0;
  bytes_ = 0;
}

}  // namespace qbhost
