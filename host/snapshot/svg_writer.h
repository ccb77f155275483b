// A small SVG writer: nested elements with attributes, every attribute value
// and every text XML-escaped.  Texts must be UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qbhost::svg {

using Attributes = std::vector<std::pair<std::string, std::string>>;

// `text` with & < > " ' written as entities; bytes XML cannot hold (control
// characters other than tab and line feed) become '?'.
std::string escape(std::string_view text);

struct Writer {
  std::string out;

  void open(std::string_view tag, const Attributes &attributes);
  void close(std::string_view tag);
  void empty(std::string_view tag, const Attributes &attributes);  // <tag .../>
  void text(std::string_view tag, const Attributes &attributes, std::string_view content);
  void raw(std::string_view markup) { out += markup; }  // markup already escaped

 private:
  void start(std::string_view tag, const Attributes &attributes);
  int depth_ = 0;
};

}  // namespace qbhost::svg
