// Object file layer reader.  An IFF file is read in one piece into a block of
// its size, the file is closed, and the block is decoded: every read of the
// walk goes through bytes_at(), which refuses any range outside the block,
// and each chunk's data is decoded through a bounds-checked cursor over just
// that data (take() refuses to step past the bytes it was given), so no step
// can read outside them, whatever the sizes in the file claim.  The file is
// read, not mapped: a file cut short while mapped would kill the host.  The
// file is handled through the C runtime's file functions alone, so the reader
// is the same on every platform; only the block comes from the system
// (read_block.h).
#include "lwo/lwo_reader.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "lwo/read_block.h"

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

// The file, unbuffered: the four-byte test reads four bytes, and the read of
// the whole file goes from the system straight into the block.  Closed on
// every path out of read_lwo_file.
struct OpenFile {
  std::FILE *file;
  OpenFile(const std::string &path, bool utf8) : file(open_for_reading(path, utf8)) {
    if (file != nullptr) std::setvbuf(file, nullptr, _IONBF, 0);
  }
  OpenFile(const OpenFile &) = delete;
  OpenFile &operator=(const OpenFile &) = delete;
  ~OpenFile() {
    if (file != nullptr) std::fclose(file);
  }
};

// A file that is not an IFF file costs one small read.
bool starts_with_form(std::FILE *file) {
  unsigned char magic[4];
  return std::fread(magic, 1, sizeof magic, file) == sizeof magic && std::memcmp(magic, "FORM", 4) == 0;
}

// Sizes are 32-bit; anything larger (or a file that cannot seek) is refused.
// Leaves the position at the start again.  Where long is 32 bits (Windows),
// ftell cannot give a position of 2 GiB or more, so such a file is refused
// too.
bool measure(std::FILE *file, uint64_t &size) {
  if (std::fseek(file, 0, SEEK_END) != 0) return false;
  const long end = std::ftell(file);
  if (end < 0 || static_cast<unsigned long long>(end) > 0xFFFFFFFFull) return false;
  size = static_cast<uint64_t>(end);
  return std::fseek(file, 0, SEEK_SET) == 0;
}

}  // namespace

bool decode_lwo(const unsigned char *data, std::size_t size, std::vector<LwoLayer> &layers) {
  ByteSource source;
  source.memory = data;
  source.size = data ? size : 0;
  return decode_source(source, layers);
}

bool read_lwo_file(const std::string &path, LwoFile &file, bool utf8_path) {
  file.layers.clear();
  // A path with a NUL inside cannot reach fopen unchanged; opening its prefix
  // would read some other file.
  if (path.find('\0') != std::string::npos) return false;
  ReadBlock block;
  {
    OpenFile opened(path, utf8_path);
    uint64_t size = 0;
    if (opened.file == nullptr || !starts_with_form(opened.file) || !measure(opened.file, size) ||
        !block.allocate(static_cast<std::size_t>(size)) ||
        std::fread(block.bytes(), 1, block.size(), opened.file) != block.size())
      return false;
  }
  bool ok = false;
  try {
    file.path = path;
    ok = decode_lwo(block.bytes(), block.size(), file.layers);
  } catch (const std::bad_alloc &) {
    ok = false;
  }
  if (!ok) file.layers.clear();
  return ok;
}

}  // namespace qb
