// The words of a script line: blanks separate them, double quotes may hold
// blanks (with \" and \\ inside), and numbers are decimal or 0x hexadecimal.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qbhost {

struct Word {
  std::string text;       // without its quotes
  std::size_t plain = 0;  // how many leading bytes were written outside quotes
  bool quoted = false;    // some part was in quotes

  bool is_plain() const { return !quoted; }
  // "KEY=..." written outside quotes up to and including the '='.
  bool is_option(std::string_view key) const;
  std::string option_value(std::string_view key) const { return text.substr(key.size() + 1); }
  // The value of KEY=VALUE was written outside quotes.
  bool option_value_plain(std::string_view key) const { return !quoted && is_option(key); }
};

// Splits a line into words; false with a message for an unterminated quote.
bool split_words(std::string_view line, std::vector<Word> &words, std::string &error);

// Decimal (an optional minus sign) or hexadecimal with 0x.
bool parse_number(std::string_view text, long long &value);

}  // namespace qbhost
