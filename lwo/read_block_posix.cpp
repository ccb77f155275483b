#include <sys/mman.h>

#include <cstdlib>

#include "lwo/read_block.h"

namespace qb {

std::FILE *open_for_reading(const std::string &path, bool) { return std::fopen(path.c_str(), "rb"); }

namespace {

constexpr std::size_t kHugeBlock = std::size_t{4} << 20;

}  // namespace

ReadBlock::~ReadBlock() {
  if (mapped_) ::munmap(bytes_, size_);
  else std::free(bytes_);
}

bool ReadBlock::allocate(std::size_t size) {
  size_ = size;
  if (size >= kHugeBlock) {
    void *memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory != MAP_FAILED) {
#ifdef MADV_HUGEPAGE
      ::madvise(memory, size, MADV_HUGEPAGE);
#endif
      bytes_ = static_cast<unsigned char *>(memory);
      mapped_ = true;
      return true;
    }
  }
  bytes_ = static_cast<unsigned char *>(std::malloc(size ? size : 1));
  return bytes_ != nullptr;
}

}  // namespace qb
