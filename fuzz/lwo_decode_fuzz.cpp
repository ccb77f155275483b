// Object file decoding over arbitrary bytes: never reads outside them (the
// sanitizer's part), a failure leaves no layers, and every layer name comes
// from the bytes themselves unless it is the default name of its number.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "lwo/lwo_reader.h"

namespace {

using qb_fuzz::check;

// The name's bytes, followed by a NUL, somewhere in the data.
bool stored_in(const uint8_t *data, std::size_t size, const std::string &name) {
  if (name.size() + 1 > size) return false;
  const std::size_t last = size - name.size() - 1;
  for (std::size_t at = 0; at <= last; ++at)
    if (data[at + name.size()] == 0 && std::memcmp(data + at, name.data(), name.size()) == 0) return true;
  return false;
}

std::size_t count_layr(const uint8_t *data, std::size_t size) {
  std::size_t count = 0;
  for (std::size_t at = 0; at + 4 <= size; ++at) count += std::memcmp(data + at, "LAYR", 4) == 0;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
  std::vector<qb::LwoLayer> layers(1);
  layers[0].name = "left over";
  const bool ok = qb::decode_lwo(data, size, layers);
  if (!ok) {
    check(layers.empty(), "a failed decoding left layers behind");
    return 0;
  }
  check(size > 12, "accepted a file of 12 bytes or fewer");
  check(layers.size() <= count_layr(data, size), "more layers than LAYR chunk IDs");

  for (const qb::LwoLayer &layer : layers) {
    const std::string default_name = "Layer" + std::to_string(layer.number + 1);
    check(layer.name.find('\0') == std::string::npos, "a name holding a NUL byte");
    check(layer.name.empty() || layer.name == default_name || stored_in(data, size, layer.name),
          "a name that is not in the data");
  }

  std::vector<qb::LwoLayer> again;
  check(qb::decode_lwo(data, size, again) && again.size() == layers.size(), "decoding twice differs");
  return 0;
}
