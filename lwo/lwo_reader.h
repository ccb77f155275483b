// Object file layer reader: the LAYR chunks of an IFF "FORM" file of form
// type LWO2 or LWO3.  Reads only; no state, no messages, no exceptions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qb {

struct LwoLayer {
  uint16_t number = 0;
  uint16_t flags = 0;
  float pivot[3] = {0.0f, 0.0f, 0.0f};
  std::string name;  // raw bytes; "Layer%d" (number + 1) when stored empty
  uint16_t parent = 0xFFFF;
};

struct LwoFile {
  std::string path;
  std::vector<LwoLayer> layers;
};

// True on success (layers may be none); false with an empty layer list on
// any failure.  A file not beginning with "FORM" costs one read of 4 bytes.
// `utf8_path`: the path is UTF-8 (the 2020 host generation's), opened on
// Windows through the wide-character functions.
bool read_lwo_file(const std::string &path, LwoFile &file, bool utf8_path = false);

// The same decoding over bytes already in memory (the whole file).
bool decode_lwo(const unsigned char *data, std::size_t size, std::vector<LwoLayer> &layers);

}  // namespace qb
