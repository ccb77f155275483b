// Object file layer reader.  The whole file is read into one block and decoded
// there through a single bounds-checked cursor: every field is taken through
// take(), which refuses to step past the bytes it was given, so no decoding
// step can read outside the block, whatever the sizes in the file claim.
#include "tools/replace/lwo_reader.h"

#include <cstdio>
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

bool skip(Cursor &c, std::size_t n) {
  const unsigned char *unused;
  return take(c, n, unused);
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

bool check_header(Cursor &c) {
  const char *form;
  uint32_t form_size;
  const char *type;
  if (c.left <= 12) return false;
  const std::size_t file_size = c.left;
  if (!take_id(c, form) || !is_id(form, "FORM")) return false;
  if (!take_u4(c, form_size) || uint64_t{form_size} + 8 != file_size) return false;
  if (!take_id(c, type)) return false;
  return is_id(type, "LWO2") || is_id(type, "LWO3");
}

// A bare chunk ID, or a bare chunk header, at the very end closes the walk.
bool walk_chunks(Cursor c, std::vector<LwoLayer> &layers) {
  for (;;) {
    const char *id;
    uint32_t size;
    Cursor data;
    if (!take_id(c, id)) return false;
    if (c.left == 0) return true;
    if (!take_u4(c, size)) return false;
    if (c.left == 0) return true;
    data = Cursor{c.at, size};
    if (!skip(c, size)) return false;
    if (is_id(id, "LAYR")) {
      LwoLayer layer;
      if (!decode_layer(data, layer)) return false;
      layers.push_back(std::move(layer));
    }
    if (size % 2 == 1 && !skip(c, 1)) return false;
    if (c.left == 0) return true;
  }
}

bool starts_with_form(std::FILE *f) {
  char magic[4];
  return std::fread(magic, 1, sizeof magic, f) == sizeof magic && is_id(magic, "FORM");
}

// Sizes are 32-bit; anything larger (or a stream that cannot seek) is refused.
bool measure(std::FILE *f, uint32_t &size) {
  if (std::fseek(f, 0, SEEK_END) != 0) return false;
  const long end = std::ftell(f);
  if (end < 0 || static_cast<unsigned long long>(end) > 0xFFFFFFFFull) return false;
  if (std::fseek(f, 0, SEEK_SET) != 0) return false;
  size = static_cast<uint32_t>(end);
  return true;
}

unsigned char *load(std::FILE *f, uint32_t size) {
  auto *block = static_cast<unsigned char *>(std::malloc(size ? size : 1));
  if (block && std::fread(block, 1, size, f) != size) {
    std::free(block);
    block = nullptr;
  }
  return block;
}

}  // namespace

bool decode_lwo(const unsigned char *data, std::size_t size, std::vector<LwoLayer> &layers) {
  layers.clear();
  Cursor c{data, data ? size : 0};
  bool ok = false;
  try {
    ok = check_header(c) && walk_chunks(c, layers);
  } catch (const std::bad_alloc &) {
    ok = false;
  }
  if (!ok) layers.clear();
  return ok;
}

bool read_lwo_file(const std::string &path, LwoFile &file) {
  file.layers.clear();
  // A path with a NUL inside cannot reach fopen unchanged; opening its prefix
  // would read some other file.
  if (path.find('\0') != std::string::npos) return false;
  std::FILE *f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  // Unbuffered, so that a file not beginning with "FORM" really costs a read
  // of four bytes, and the whole file lands in the block without a copy.
  std::setvbuf(f, nullptr, _IONBF, 0);
  unsigned char *block = nullptr;
  uint32_t size = 0;
  const bool loaded = starts_with_form(f) && measure(f, size) && (block = load(f, size)) != nullptr;
  std::fclose(f);
  bool ok = false;
  if (loaded) {
    try {
      file.path = path;
      ok = decode_lwo(block, size, file.layers);
    } catch (const std::bad_alloc &) {
      ok = false;
    }
  }
  std::free(block);
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
