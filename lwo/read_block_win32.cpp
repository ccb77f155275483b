#include <cstdlib>

#include "lwo/read_block.h"

namespace qb {

ReadBlock::~ReadBlock() { std::free(bytes_); }

bool ReadBlock::allocate(std::size_t size) {
  size_ = size;
  bytes_ = static_cast<unsigned char *>(std::malloc(size ? size : 1));
  return bytes_ != nullptr;
}

}  // namespace qb
