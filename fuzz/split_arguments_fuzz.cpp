// Argument splitting over arbitrary texts (up to the first NUL byte, as the
// host hands them over): every word comes from the text, and without double
// quotes the words are exactly its blank-separated runs.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "plugin/frame.h"

namespace {

using qb_fuzz::check;

qb::Words blank_runs(std::string_view text) {
  qb::Words words;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == ' ') {
      ++at;
      continue;
    }
    const std::size_t end = std::min(text.find(' ', at), text.size());
    words.emplace_back(text.substr(at, end - at));
    at = end;
  }
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char *>(data), size);
  const std::string_view text(bytes.c_str());
  const qb::Words words = qb::split_arguments(bytes.c_str());

  std::size_t total = 0;
  for (const std::string &word : words) {
    check(text.find(word) != std::string_view::npos, "a word that is not in the text");
    total += word.size();
  }
  check(total <= text.size(), "words longer than the text");
  if (text.find('"') == std::string_view::npos)
    check(words == blank_runs(text), "a text without quotes split other than at blanks");
  check(qb::split_arguments(nullptr).empty(), "words from a null text");
  return 0;
}
