// Words of a command argument text: blank-separated, double quotes around a
// word that holds blanks.
#include <cstring>

#include "plugin/frame.h"

namespace qb {

Words split_arguments(const char *text) {
  Words words;
  if (text == nullptr) return words;
  const char *p = text;
  for (;;) {
    while (*p == ' ') ++p;
    if (*p == '\0') return words;
    if (*p == '"') {
      const char *close = std::strchr(p + 1, '"');
      // An unclosed quote leaves the whole text in doubt: no words at all.
      if (close == nullptr) return {};
      words.emplace_back(p + 1, close);
      p = close + 1;
    } else {
      const char *end = p;
      while (*end != '\0' && *end != ' ') ++end;
      words.emplace_back(p, end);
      p = end;
    }
  }
}

}  // namespace qb
