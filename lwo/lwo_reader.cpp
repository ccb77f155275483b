// Object file layer reader.  An IFF file is read in one piece into a block of
// its size, the file is closed, and the block is decoded: every read of the
// walk goes through bytes_at(), which refuses any range outside the block,
// and each chunk's data is decoded through a bounds-checked cursor over just
// that data (take() refuses to step past the bytes it was given), so no step
// can read outside them, whatever the sizes in the file claim.  The file is
// read, not mapped: a file cut short while mapped would kill the host.
#include "lwo/lwo_reader.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>

namespace qb {
namespace {

struct Cursor {
  const unsigned char *at;
  std::size_t left;
};

bool take(Cursor &c, std::size_t n, const unsigned char *&bytes) {
  if (n > c.left) return false;
  bytes = c.at;
  c.at += n;
  c.left -= n;
  return true;
}

bool take_u2(Cursor &c, uint16_t &value) {
  const unsigned char *b;
  if (!take(c, 2, b)) return false;
  value = static_cast<uint16_t>((b[0] << 8) | b[1]);
  return true;
}

bool take_u4(Cursor &c, uint32_t &value) {
  const unsigned char *b;
  if (!take(c, 4, b)) return false;
  value = (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | uint32_t{b[3]};
  return true;
}

bool take_f4(Cursor &c, float &value) {
  uint32_t bits;
  if (!take_u4(c, bits)) return false;
  std::memcpy(&value, &bits, sizeof value);
  return true;
}

bool take_id(Cursor &c, const char *&id) {
  const unsigned char *b;
  if (!take(c, 4, b)) return false;
  id = reinterpret_cast<const char *>(b);
  return true;
}

bool is_id(const char *id, const char *expected) { return std::memcmp(id, expected, 4) == 0; }

// An S0 field: the bytes up to the first NUL, the field padded to an even
// length.  A missing NUL, or a pad byte beyond the data, is a failure.
bool take_s0(Cursor &c, std::string &text) {
  const void *nul = std::memchr(c.at, 0, c.left);
  if (!nul) return false;
  std::size_t length = static_cast<std::size_t>(static_cast<const unsigned char *>(nul) - c.at);
  std::size_t field = length + (length % 2 == 1 ? 1 : 2);
  const unsigned char *b;
  if (!take(c, field, b)) return false;
  text.assign(reinterpret_cast<const char *>(b), length);
  return true;
}

std::string default_layer_name(uint16_t number) {
  char text[16];
  std::snprintf(text, sizeof text, "Layer%d", static_cast<int>(number) + 1);
  return text;
}

// The data may stop after any whole field and nowhere else; the fields not
// reached keep their defaults.
bool decode_layer(Cursor data, LwoLayer &layer) {
  layer = LwoLayer{};
  if (!take_u2(data, layer.number)) return false;
  if (data.left == 0) return true;
  if (!take_u2(data, layer.flags)) return false;
  for (float &axis : layer.pivot) {
    if (data.left == 0) return true;
    if (!take_f4(data, axis)) return false;
  }
  if (data.left == 0) return true;
  if (!take_s0(data, layer.name)) return false;
  if (layer.name.empty()) layer.name = default_layer_name(layer.number);
  if (data.left == 0) return true;
  return data.left == 2 && take_u2(data, layer.parent);
}

// ---- the block ---------------------------------------------------------------------

struct ByteSource {
  const unsigned char *memory = nullptr;
  uint64_t size = 0;
};

// The n bytes at offset at; null when any of them lies outside the block.
const unsigned char *bytes_at(const ByteSource &source, uint64_t at, std::size_t n) {
  if (!source.memory || at > source.size || n > source.size - at) return nullptr;
  return source.memory + at;
}

// ---- the walk ------------------------------------------------------------------------

bool check_header(const ByteSource &source) {
  if (source.size <= 12) return false;
  const unsigned char *bytes = bytes_at(source, 0, 12);
  if (!bytes) return false;
  Cursor c{bytes, 12};
  const char *form;
  uint32_t form_size;
  const char *type;
  if (!take_id(c, form) || !is_id(form, "FORM")) return false;
  if (!take_u4(c, form_size) || uint64_t{form_size} + 8 != source.size) return false;
  if (!take_id(c, type)) return false;
  return is_id(type, "LWO2") || is_id(type, "LWO3");
}

// A bare chunk ID, or a bare chunk header, at the very end closes the walk.
// The pad byte of an odd chunk counts against the end like its data.
bool walk_chunks(const ByteSource &source, std::vector<LwoLayer> &layers) {
  uint64_t at = 12;
  for (;;) {
    const uint64_t left = source.size - at;
    if (left < 4) return false;
    if (left == 4) return true;
    if (left < 8) return false;
    const unsigned char *header = bytes_at(source, at, 8);
    if (!header) return false;
    Cursor c{header, 8};
    const char *id;
    uint32_t size;
    if (!take_id(c, id) || !take_u4(c, size)) return false;
    if (left == 8) return true;
    if (size > left - 8) return false;
    if (is_id(id, "LAYR")) {
      const unsigned char *data = bytes_at(source, at + 8, size);
      LwoLayer layer;
      if (!data || !decode_layer(Cursor{data, size}, layer)) return false;
      layers.push_back(std::move(layer));
    }
    at += 8 + uint64_t{size} + size % 2;
    if (at == source.size) return true;
    if (at > source.size) return false;
  }
}

bool decode_source(const ByteSource &source, std::vector<LwoLayer> &layers) {
  layers.clear();
  bool ok = false;
  try {
    ok = check_header(source) && walk_chunks(source, layers);
  } catch (const std::bad_alloc &) {
    ok = false;
  }
  if (!ok) layers.clear();
  return ok;
}

// ---- the file ------------------------------------------------------------------------

// Exactly n bytes from the file's current position, or false (a file cut
// short, a read error).
bool read_exactly(int fd, unsigned char *out, std::size_t n) {
  while (n > 0) {
    const ssize_t got = ::read(fd, out, n);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    out += got;
    n -= static_cast<std::size_t>(got);
  }
  return true;
}

// A plain read of four bytes: a file that is not an IFF file costs no more,
// and a pipe can be told apart after four bytes too.
bool starts_with_form(int fd) {
  unsigned char magic[4];
  return read_exactly(fd, magic, sizeof magic) && std::memcmp(magic, "FORM", 4) == 0;
}

// Sizes are 32-bit; anything larger (or a file that cannot seek) is refused.
// Leaves the position at the start again.
bool measure(int fd, uint64_t &size) {
  const off_t end = ::lseek(fd, 0, SEEK_END);
  if (end < 0 || static_cast<unsigned long long>(end) > 0xFFFFFFFFull) return false;
  size = static_cast<uint64_t>(end);
  return ::lseek(fd, 0, SEEK_SET) == 0;
}

// The block a whole file is read into.  A large block is asked for in huge
// pages where the system has them: reading 256 MiB into fresh 4 KiB pages
// costs twice what the read itself costs, in page faults.
struct Block {
  unsigned char *bytes = nullptr;
  std::size_t size = 0;
  bool mapped = false;

  Block() = default;
  Block(const Block &) = delete;
  Block &operator=(const Block &) = delete;
  ~Block() {
    if (mapped)
      ::munmap(bytes, size);
    else
      std::free(bytes);
  }
};

constexpr std::size_t kHugeBlock = std::size_t{4} << 20;

bool allocate(Block &block, std::size_t size) {
  block.size = size;
  if (size >= kHugeBlock) {
    void *memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory != MAP_FAILED) {
      ::madvise(memory, size, MADV_HUGEPAGE);
      block.bytes = static_cast<unsigned char *>(memory);
      block.mapped = true;
      return true;
    }
  }
  block.bytes = static_cast<unsigned char *>(std::malloc(size ? size : 1));
  return block.bytes != nullptr;
}

}  // namespace

bool decode_lwo(const unsigned char *data, std::size_t size, std::vector<LwoLayer> &layers) {
  ByteSource source;
  source.memory = data;
  source.size = data ? size : 0;
  return decode_source(source, layers);
}

bool read_lwo_file(const std::string &path, LwoFile &file) {
  file.layers.clear();
  // A path with a NUL inside cannot reach open unchanged; opening its prefix
  // would read some other file.
  if (path.find('\0') != std::string::npos) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  Block block;
  uint64_t size = 0;
  const bool loaded = starts_with_form(fd) && measure(fd, size) && allocate(block, static_cast<std::size_t>(size)) &&
                      read_exactly(fd, block.bytes, block.size);
  ::close(fd);
  if (!loaded) return false;
  bool ok = false;
  try {
    file.path = path;
    ok = decode_lwo(block.bytes, block.size, file.layers);
  } catch (const std::bad_alloc &) {
    ok = false;
  }
  if (!ok) file.layers.clear();
  return ok;
}

const LwoLayer *find_layer(const LwoFile &file, const std::string &key) {
  if (key.empty()) return nullptr;
  for (const LwoLayer &layer : file.layers)
    if (layer.name == key) return &layer;
  return nullptr;
}

}  // namespace qb
