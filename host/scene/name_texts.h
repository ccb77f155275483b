// Item names as the name service hands them out: nul-ended texts written one
// after another into large blocks, so that reading the names of items made
// one after another reads memory in order (a name in its own heap block
// costs a cache miss of its own on a large scene).
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace qbhost {

class NameTexts {
 public:
  // A copy of `text` with a nul after it; it stays where it is until clear().
  const char *add(std::string_view text);
  void clear();
  std::size_t bytes() const { return bytes_; }  // written since the last clear()

 private:
  static constexpr std::size_t kFirstBlock = std::size_t(4) << 10;
  static constexpr std::size_t kBlock = std::size_t(1) << 20;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::vector<std::unique_ptr<char[]>> long_texts_;  // over kBlock / 4: a block each
  std::size_t capacity_ = 0;                         // of the last block
  std::size_t used_ = 0;                             // of the last block
  std::size_t bytes_ = 0;
};

}  // namespace qbhost
