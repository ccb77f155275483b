// Object files and other files for the benchmarks, written at bench time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qbbench {

// A small LWO2 object: per layer a LAYR chunk, eight points and six quads.
bool write_small_object(const std::string &path, const std::vector<std::string> &layer_names);

// A large LWO2 object of about `bytes` bytes: `layers` layers, each a LAYR
// chunk followed by a large PNTS chunk and a large POLS chunk of triangles.
// Returns the file's size, 0 on failure.
std::uint64_t write_large_object(const std::string &path, std::uint64_t bytes, int layers,
                                 std::vector<std::string> &layer_names);

// A file that is not an IFF file: picture and text headers of a few kilobytes.
bool write_other_file(const std::string &path, int kind, std::size_t bytes);

}  // namespace qbbench
