// Builders for object file bytes in tests: big-endian fields, chunks with
// their pad byte, LAYR data and whole FORM files.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "lwo/lwo_reader.h"

namespace lwo_bytes {

using Bytes = std::vector<unsigned char>;

inline void put_u2(Bytes &out, uint16_t v) {
  out.push_back(static_cast<unsigned char>(v >> 8));
  out.push_back(static_cast<unsigned char>(v));
}

inline void put_u4(Bytes &out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(v >> shift));
}

inline void put_f4(Bytes &out, float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  put_u4(out, bits);
}

inline void put_text(Bytes &out, const std::string &text) { out.insert(out.end(), text.begin(), text.end()); }

inline void append(Bytes &out, const Bytes &more) { out.insert(out.end(), more.begin(), more.end()); }

// An S0 field as it should be written: the text, its NUL, one more NUL when
// the text's length is even.
inline Bytes s0(const std::string &text) {
  Bytes out;
  put_text(out, text);
  out.push_back(0);
  if (text.size() % 2 == 0) out.push_back(0);
  return out;
}

// Number, flags and pivot: the 16 bytes before the name.
inline Bytes layer_head(uint16_t number, uint16_t flags = 0, float x = 0, float y = 0, float z = 0) {
  Bytes out;
  put_u2(out, number);
  put_u2(out, flags);
  put_f4(out, x);
  put_f4(out, y);
  put_f4(out, z);
  return out;
}

// Whole LAYR data with a well-formed name field and no parent.
inline Bytes layer_data(uint16_t number, const std::string &name) {
  Bytes out = layer_head(number);
  append(out, s0(name));
  return out;
}

inline Bytes layer_data(uint16_t number, const std::string &name, uint16_t parent) {
  Bytes out = layer_data(number, name);
  put_u2(out, parent);
  return out;
}

// A chunk with the size of `data` and the pad byte after odd data.
inline Bytes chunk(const std::string &id, const Bytes &data) {
  Bytes out;
  put_text(out, id);
  put_u4(out, static_cast<uint32_t>(data.size()));
  append(out, data);
  if (data.size() % 2 == 1) out.push_back(0);
  return out;
}

// A FORM of the given type around the chunk area, its size field right.
inline Bytes form(const std::string &type, const Bytes &chunks) {
  Bytes out;
  put_text(out, "FORM");
  put_u4(out, static_cast<uint32_t>(4 + chunks.size()));
  put_text(out, type);
  append(out, chunks);
  return out;
}

inline Bytes lwo2(const Bytes &chunks) { return form("LWO2", chunks); }

inline Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes &part : parts) append(out, part);
  return out;
}

inline bool decode(const Bytes &bytes, std::vector<qb::LwoLayer> &layers) {
  return qb::decode_lwo(bytes.data(), bytes.size(), layers);
}

}  // namespace lwo_bytes
