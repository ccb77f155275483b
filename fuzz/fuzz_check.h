// A property of a fuzz input that must hold: on failure the fuzzer stops with
// the reason, and libFuzzer keeps the input as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "toolkit/text/code_page.h"

namespace qb_fuzz {

// The targets that read names and patterns run as on a Japanese host when
// QB_FUZZ_SHIFT_JIS=1 (fuzz/run starts them both ways): every text is then
// read by Shift-JIS characters.
inline qb::CodePage code_page_from_environment() {
  const char *value = std::getenv("QB_FUZZ_SHIFT_JIS");
  const qb::CodePage code_page =
      value != nullptr && std::strcmp(value, "1") == 0 ? qb::CodePage::ShiftJis : qb::CodePage::SingleByte;
  qb::set_host_code_page(code_page);
  return code_page;
}

inline void check(bool holds, const char *what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

}  // namespace qb_fuzz
