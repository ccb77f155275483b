// A property of a fuzz input that must hold: on failure the fuzzer stops with
// the reason, and libFuzzer keeps the input as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace qb_fuzz {

inline void check(bool holds, const char *what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

}  // namespace qb_fuzz
