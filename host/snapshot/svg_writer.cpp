#include "host/snapshot/svg_writer.h"

namespace qbhost::svg {

std::string escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') out += '?';
        else out += c;
    }
  }
  return out;
}

void Writer::start(std::string_view tag, const Attributes &attributes) {
  out.append(static_cast<std::size_t>(depth_) * 2, ' ');
  out += '<';
  out += tag;
  for (const auto &[name, value] : attributes) {
    out += ' ';
    out += name;
    out += "=\"";
    out += escape(value);
    out += '"';
  }
}

void Writer::open(std::string_view tag, const Attributes &attributes) {
  start(tag, attributes);
  out += ">\n";
  ++depth_;
}

void Writer::close(std::string_view tag) {
  if (depth_ > 0) --depth_;
  out.append(static_cast<std::size_t>(depth_) * 2, ' ');
  out += "</";
  out += tag;
  out += ">\n";
}

void Writer::empty(std::string_view tag, const Attributes &attributes) {
  start(tag, attributes);
  out += "/>\n";
}

void Writer::text(std::string_view tag, const Attributes &attributes, std::string_view content) {
  start(tag, attributes);
  out += '>';
  out += escape(content);
  out += "</";
  out += tag;
  out += ">\n";
}

}  // namespace qbhost::svg
