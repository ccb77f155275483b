// The language tables the module is built from: copies of the UTF-8 sources
// whose Japanese texts are spelled as escaped Shift-JIS bytes.  Decoded, every
// text is the one in the readable source, and the code around the texts is
// unchanged.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/core/text.h"

namespace {

std::string read_file(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The bytes of every string literal of a C++ source, in order (escapes
// \\ \" \n \xHH and octal), and the source with each literal emptied.
struct Literals {
  std::vector<std::string> texts;
  std::string code;
};

Literals literals_of(const std::string &source) {
  Literals found;
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (source.compare(i, 2, "//") == 0) {
      const std::size_t end = source.find('\n', i);
      found.code.append(source, i, end - i);
      i = end - 1;
      continue;
    }
    found.code += source[i];
    if (source[i] != '"') continue;
    std::string text;
    for (++i; i < source.size() && source[i] != '"'; ++i) {
      if (source[i] != '\\') {
        text += source[i];
        continue;
      }
      const char c = source[++i];
      if (c == 'x') {
        std::size_t used = 0;
        text += static_cast<char>(std::stoi(source.substr(i + 1, 2), &used, 16));
        i += used;
      } else if (c >= '0' && c <= '7') {
        std::size_t used = 0;
        text += static_cast<char>(std::stoi(source.substr(i, 3), &used, 8));
        i += used - 1;
      } else {
        text += c == 'n' ? '\n' : c;
      }
    }
    found.code += '"';
    found.texts.push_back(text);
  }
  return found;
}

// A UTF-8 text as the trace shows it: control bytes as \xNN.
std::string shown(const std::string &utf8) {
  std::string out;
  for (unsigned char c : utf8) {
    if (c < 0x20 || c == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

TEST(ShiftJisTables, GeneratedBytesDecodeToTheSourceTexts) {
  std::stringstream sources(QB_LANG_SOURCES);
  std::string rel;
  int files = 0, japanese = 0;
  while (std::getline(sources, rel, ',')) {
    SCOPED_TRACE(rel);
    const std::string source = read_file(std::string(QB_SOURCE_DIR) + "/" + rel);
    std::string generated = read_file(std::string(QB_SHIFT_JIS_DIR) + "/" + rel);
    ASSERT_FALSE(source.empty());
    ASSERT_FALSE(generated.empty());
    generated.erase(0, generated.find('\n') + 1);  // the generator's own first line
    const Literals utf8 = literals_of(source), sjis = literals_of(generated);
    EXPECT_EQ(sjis.code, utf8.code);
    ASSERT_EQ(sjis.texts.size(), utf8.texts.size());
    for (std::size_t i = 0; i < utf8.texts.size(); ++i) {
      EXPECT_EQ(qbhost::printable(sjis.texts[i], qbhost::TextCode::ShiftJis), shown(utf8.texts[i]))
          << "text " << i;
      bool ascii = true;
      for (unsigned char c : sjis.texts[i]) ascii = ascii && c < 0x80;
      japanese += !ascii;
    }
    ++files;
  }
  EXPECT_EQ(files, 4);
  EXPECT_GT(japanese, 50);
}

}  // namespace
