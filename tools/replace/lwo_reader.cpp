// Placeholder until the reader is written.
#include "tools/replace/lwo_reader.h"

namespace qb {
bool read_lwo_file(const std::string &, LwoFile &file) {
  file.layers.clear();
  return false;
}
bool decode_lwo(const unsigned char *, std::size_t, std::vector<LwoLayer> &layers) {
  layers.clear();
  return false;
}
const LwoLayer *find_layer(const LwoFile &, const std::string &) { return nullptr; }
}  // namespace qb
