// The block of memory a whole object file is read into, from the system.
// read_block_posix.cpp asks for a large block in huge pages where the system
// has them: reading 256 MiB into fresh 4 KiB pages costs twice what the read
// itself costs, in page faults.  read_block_win32.cpp takes the C runtime's.
// The same files open an object file the system's way.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace qb {

// Opens `path` for binary reading; null when it cannot.  On Windows a UTF-8
// path (`utf8`) goes through the wide-character function, any other through
// the code-page one; elsewhere a path is opened as its bytes are.
std::FILE *open_for_reading(const std::string &path, bool utf8);

class ReadBlock {
 public:
  ReadBlock() = default;
  ReadBlock(const ReadBlock &) = delete;
  ReadBlock &operator=(const ReadBlock &) = delete;
  ~ReadBlock();

  // A block of `size` bytes (at least one); false when there is no memory.
  // Called once.
  bool allocate(std::size_t size);
  unsigned char *bytes() const { return bytes_; }
  std::size_t size() const { return size_; }

 private:
  unsigned char *bytes_ = nullptr;
  std::size_t size_ = 0;
  bool mapped_ = false;
};

}  // namespace qb
