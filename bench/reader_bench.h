// The object file reader: a 256 MiB object file and a directory of 10,000
// files, 9,000 of them not IFF files.
#pragma once

#include <cstdint>

namespace qbbench {

// Benchmark names: "Reader.Large/<what>", "Reader.Dir/<what>", "Reader.NonIff/<what>".
void register_reader_benchmarks(std::uint64_t large_bytes);

bool have_assimp();

}  // namespace qbbench
