// The look of each kind of control in a panel picture.  The host's type
// name decides the look, as it does in the real host; a type the host does
// not know is drawn as a plain box with its label and value.
#include <string>
#include <vector>

#include "host/core/host_state.h"
#include "host/core/text.h"
#include "host/snapshot/snapshot_draw.h"

namespace qbhost::picture {
namespace {

constexpr std::string_view kLeftArrow = "\x03(i:MIMG_LEFTARROW)";
constexpr int kMaxColumns = 64;  // a column-width callback that never answers 0 stops here
constexpr int kMaxVisibleRows = 1000;

int clamp_size(int value) { return std::clamp(value, -kMaxExtent, kMaxExtent); }

std::string num(int value) { return std::to_string(value); }

int text_width(std::string_view bytes) {
  return kLabelByteWidth *
         static_cast<int>(std::min<std::size_t>(bytes.size(), kMaxExtent / kLabelByteWidth));
}

const char *state_name(int mode) { return mode == DR_GHOST ? "ghosted" : "normal"; }

// The chosen text of a choice control, empty when the value is not a choice.
std::string chosen(const Control &control) {
  const int v = control.int_value;
  if (control.kind != ValueKind::Integer || v < 0 || static_cast<std::size_t>(v) >= control.choices.size())
    return {};
  return control.choices[static_cast<std::size_t>(v)];
}

struct Drawing {
  using Attributes = svg::Attributes;
  Canvas &canvas;
  const Control &control;

  svg::Writer &out() { return canvas.out; }
  std::string shown(std::string_view bytes) const { return printable(bytes, canvas.text_code); }

  void text(int x, int y, std::string_view bytes, const std::string &css, const Attributes &extra = {}) {
    svg::Attributes attributes = {{"class", css}, {"x", num(x)}, {"y", num(y)}};
    attributes.insert(attributes.end(), extra.begin(), extra.end());
    out().text("text", attributes, shown(bytes));
  }
  void rect(int x, int y, int width, int height, const std::string &css) {
    out().empty(
        "rect",
        {{"class", css}, {"x", num(x)}, {"y", num(y)}, {"width", num(width)}, {"height", num(height)}});
  }
  // A clip path for the texts of a field or a column; returns its reference.
  std::string clip(int x, int y, int width, int height) {
    const std::string id = "clip" + num(++canvas.next_clip);
    out().open("clipPath", {{"id", id}});
    rect(x, y, std::max(width, 0), std::max(height, 0), "clip");
    out().close("clipPath");
    return "url(#" + id + ")";
  }
  void image(int x, int y, std::string_view label) {
    if (label == kLeftArrow) {
      out().empty("polygon", {{"class", "image"},
                              {"points", num(x + 3) + "," + num(y + 10) + " " + num(x + 12) + "," +
                                             num(y + 4) + " " + num(x + 12) + "," + num(y + 16)}});
    } else {
      rect(x + 3, y + 4, 10, 12, "image");
    }
  }
  // A label left of the control's body, at the control's position.
  void label(int x, int y) {
    const std::string &label = control.label;
    if (label.empty()) return;
    if (is_image_label(label)) image(x, y, label);
    else text(x, y + kTextBaseline, label, "label");
  }
  // A label centred in a button.
  void centred_label(int x, int y, int width) {
    const std::string &label = control.label;
    if (label.empty()) return;
    if (is_image_label(label)) image(x + (width - kImageLabelWidth) / 2, y, label);
    else text(x + width / 2, y + kTextBaseline, label, "label", {{"text-anchor", "middle"}});
  }
  void cover(int x, int y, int width, int height) { canvas.bounds.add(x, y, width, height); }
};

// ---- the kinds of control

void border(Drawing &d) {
  const Control &c = d.control;
  if (c.height > 0) d.rect(c.x, c.y, c.width, c.height, "border");
  else
    d.out().empty("line", {{"class", "border"},
                           {"x1", num(c.x)},
                           {"y1", num(c.y)},
                           {"x2", num(c.x + c.width)},
                           {"y2", num(c.y)}});
  if (!c.label.empty()) d.label(c.x + 4, c.y);
  d.cover(c.x, c.y, c.width, std::max(c.height, 1));
}

void text_lines(Drawing &d) {
  const Control &c = d.control;
  const int lw = label_width(c.label);
  d.label(c.x, c.y);
  int widest = 0;
  for (std::size_t i = 0; i < c.choices.size(); ++i) {
    d.text(c.x + lw, c.y + kTextBaseline + static_cast<int>(i) * kListRowHeight, c.choices[i], "line");
    widest = std::max(widest, text_width(c.choices[i]));
  }
  const int lines = std::max<int>(1, static_cast<int>(c.choices.size()));
  d.cover(c.x, c.y, lw + widest, (lines - 1) * kListRowHeight + kControlHeight);
}

void field(Drawing &d, bool browse) {
  const Control &c = d.control;
  const int fx = c.x + label_width(c.label);
  const int fw = (c.width > 0 ? c.width : 20) * kFieldCharWidth;
  d.label(c.x, c.y);
  d.rect(fx, c.y, fw, kControlHeight, "body field");
  const std::string value = c.kind == ValueKind::Text ? c.text_value : num(c.int_value);
  d.text(fx + 4, c.y + kTextBaseline, value, "value",
         {{"clip-path", d.clip(fx + 2, c.y, fw - 4, kControlHeight)}});
  int right = fx + fw;
  if (browse) {
    d.rect(right + 2, c.y, 22, kControlHeight, "body button");
    d.out().text("text",
                 {{"class", "glyph"},
                  {"x", num(right + 13)},
                  {"y", num(c.y + kTextBaseline)},
                  {"text-anchor", "middle"}},
                 "...");
    right += 24;
  }
  d.cover(c.x, c.y, right - c.x, kControlHeight);
}

void button(Drawing &d) {
  const Control &c = d.control;
  const int width = c.width > 0 ? c.width : label_width(c.label) + 16;
  d.rect(c.x, c.y, width, kControlHeight, "body button");
  d.centred_label(c.x, c.y, width);
  d.cover(c.x, c.y, width, kControlHeight);
}

void check_box(Drawing &d) {
  const Control &c = d.control;
  const int bx = c.x + label_width(c.label) + 4;
  d.label(c.x, c.y);
  d.rect(bx, c.y + 3, 13, 13, "body box");
  if (c.int_value != 0)
    d.out().empty("polyline", {{"class", "mark"},
                               {"points", num(bx + 3) + "," + num(c.y + 9) + " " + num(bx + 6) + "," +
                                              num(c.y + 13) + " " + num(bx + 11) + "," + num(c.y + 5)}});
  d.cover(c.x, c.y, bx + 13 - c.x, kControlHeight);
}

void toggle_button(Drawing &d) {
  const Control &c = d.control;
  const bool on = c.int_value != 0;
  const int width = c.width > 0 ? c.width : label_width(c.label) + 16;
  d.rect(c.x, c.y, width, kControlHeight, on ? "body toggle on" : "body toggle");
  d.centred_label(c.x, c.y, width);
  d.cover(c.x, c.y, width, kControlHeight);
}

void popup(Drawing &d) {
  const Control &c = d.control;
  const int px = c.x + label_width(c.label);
  const int pw = c.width > 0 ? c.width : 120;
  d.label(c.x, c.y);
  d.rect(px, c.y, pw, kControlHeight, "body popup");
  d.text(px + 6, c.y + kTextBaseline, chosen(c), "value",
         {{"clip-path", d.clip(px + 2, c.y, pw - 18, kControlHeight)}});
  d.out().empty("polygon", {{"class", "arrow"},
                            {"points", num(px + pw - 13) + "," + num(c.y + 7) + " " + num(px + pw - 5) + "," +
                                           num(c.y + 7) + " " + num(px + pw - 9) + "," + num(c.y + 13)}});
  d.cover(c.x, c.y, px + pw - c.x, kControlHeight);
}

// Radio buttons in a row (or a column when the layout asks for it).
void choice(Drawing &d) {
  const Control &c = d.control;
  int cx = c.x + label_width(c.label), cy = c.y;
  d.label(c.x, c.y);
  for (std::size_t i = 0; i < c.choices.size(); ++i) {
    const bool picked = c.kind == ValueKind::Integer && c.int_value == static_cast<int>(i);
    d.out().empty("circle", {{"class", "body radio"}, {"cx", num(cx + 6)}, {"cy", num(cy + 10)}, {"r", "5"}});
    if (picked)
      d.out().empty("circle", {{"class", "dot"}, {"cx", num(cx + 6)}, {"cy", num(cy + 10)}, {"r", "2.5"}});
    d.text(cx + 15, cy + kTextBaseline, c.choices[i], picked ? "item picked" : "item");
    const int item_width = 15 + text_width(c.choices[i]) + 10;
    d.cover(cx, cy, item_width, kControlHeight);
    if (c.vertical != 0) cy += kControlHeight + 1;
    else cx += item_width;
  }
  d.cover(c.x, c.y, label_width(c.label), kControlHeight);
}

std::vector<int> column_widths(const Control &list) {
  if (list.col_width_fn == nullptr) return {std::max(list.width, 1)};
  std::vector<int> widths;
  for (int column = 0; column < kMaxColumns; ++column) {
    const int width = list.col_width_fn(list.user_data, column);
    if (width <= 0) break;
    widths.push_back(std::min(width, kMaxExtent));
  }
  return widths;
}

// One row of cells (row -1 is the heading); a null cell draws nothing.
void list_row(Drawing &d, int row, int baseline, const std::vector<int> &lefts,
              const std::vector<std::string> &clips) {
  const Control &c = d.control;
  for (std::size_t column = 0; column < clips.size(); ++column) {
    const char *cell = c.name_fn == nullptr ? nullptr : c.name_fn(c.user_data, row, static_cast<int>(column));
    if (cell == nullptr) continue;
    d.text(lefts[column] + 3, baseline, std::string(cell), "cell",
           {{"data-column", num(static_cast<int>(column))}, {"clip-path", clips[column]}});
  }
}

// A table: the heading, then as many rows as the list shows at once, and a
// scroll bar when there are more.
void multi_list(Drawing &d) {
  const Control &c = d.control;
  const int lx = c.x + label_width(c.label);
  const std::vector<int> widths = column_widths(c);
  int total = 0;
  for (int w : widths) total += w;
  const int width = c.width > 0 ? c.width : total;
  const int visible = c.visible_rows > 0 ? c.visible_rows : 8;
  const int rows = c.count_fn == nullptr ? 0 : std::max(0, c.count_fn(c.user_data));
  const int height = kListHeadHeight + visible * kListRowHeight + 2;
  d.label(c.x, c.y);
  d.rect(lx, c.y, width, height, "body list");
  d.rect(lx, c.y, width, kListHeadHeight, "list-head");
  std::vector<int> lefts;
  std::vector<std::string> clips;
  int left = lx;
  for (std::size_t column = 0; column < widths.size() && left < lx + width; ++column) {
    lefts.push_back(left);
    clips.push_back(d.clip(left, c.y, std::min(widths[column], lx + width - left) - 2, height));
    if (left > lx)
      d.out().empty("line", {{"class", "column"},
                             {"x1", num(left)},
                             {"y1", num(c.y)},
                             {"x2", num(left)},
                             {"y2", num(c.y + height)}});
    left += widths[column];
  }
  d.out().open("g", {{"class", "heading"}});
  list_row(d, -1, c.y + 13, lefts, clips);
  d.out().close("g");
  for (int row = 0; row < std::min(rows, visible); ++row) {
    const int top = c.y + kListHeadHeight + row * kListRowHeight;
    d.out().open("g", {{"class", "row"}, {"data-row", num(row)}});
    if (row % 2 == 1) d.rect(lx + 1, top, width - 2, kListRowHeight, "stripe");
    list_row(d, row, top + 12, lefts, clips);
    d.out().close("g");
  }
  if (rows > visible) {
    const int track = visible * kListRowHeight;
    d.rect(lx + width - 10, c.y + kListHeadHeight, 10, track, "scroll");
    d.rect(lx + width - 9, c.y + kListHeadHeight + 1, 8, std::max(8, track * visible / rows - 2), "thumb");
  }
  d.cover(c.x, c.y, lx + width - c.x, height);
}

void unknown(Drawing &d) {
  const Control &c = d.control;
  const int bx = c.x + label_width(c.label);
  const std::string value = c.kind == ValueKind::Text ? c.text_value : num(c.int_value);
  const int width = std::max(c.width, text_width(value) + 8);
  d.label(c.x, c.y);
  d.rect(bx, c.y, width, kControlHeight, "body");
  d.text(bx + 4, c.y + kTextBaseline, value, "value");
  d.cover(c.x, c.y, bx + width - c.x, kControlHeight);
}

void draw_body(Drawing &d) {
  const std::string &type = d.control.type_name;
  if (type == "BorderControl") border(d);
  else if (type == "TextControl") text_lines(d);
  else if (type == "EditControl") field(d, false);
  else if (type == "FileControl" || type == "DirControl") field(d, true);
  else if (type == "ButtonControl") button(d);
  else if (type == "BoolControl") check_box(d);
  else if (type == "BoolButtonControl") toggle_button(d);
  else if (type == "PopupControl") popup(d);
  else if (type == "ChoiceControl") choice(d);
  else if (type == "MultiListBoxControl") multi_list(d);
  else unknown(d);
}

}  // namespace

bool is_image_label(std::string_view label) { return !label.empty() && label[0] == '\x03'; }

int label_width(std::string_view label) {
  if (label.empty()) return 0;
  if (is_image_label(label)) return kImageLabelWidth;
  return text_width(label);
}

void draw_control(Canvas &canvas, const Control &original) {
  if (original.draw_mode == DR_ERASE) return;
  // Whatever numbers the module set, the arithmetic of the drawing stays
  // within range.
  Control control = original;
  control.x = clamp_size(control.x);
  control.y = clamp_size(control.y);
  control.width = clamp_size(control.width);
  control.height = clamp_size(control.height);
  control.visible_rows = std::min(control.visible_rows, kMaxVisibleRows);
  Drawing d{canvas, control};
  svg::Attributes group = {
      {"class", std::string("control ") + state_name(control.draw_mode)},
      {"data-number", num(control.number)},
      {"data-type", d.shown(control.type_name)},
      {"data-x", num(original.x)},
      {"data-y", num(original.y)},
      {"data-state", state_name(control.draw_mode)},
      {"data-label", d.shown(control.label)},
      {"data-value", control.kind == ValueKind::Text ? d.shown(control.text_value) : num(control.int_value)}};
  if (control.desc_type == LWT_CHOICE && control.kind == ValueKind::Integer && !chosen(control).empty())
    group.emplace_back("data-choice", d.shown(chosen(control)));
  if (control.desc_type == LWT_MLIST)
    group.emplace_back(
        "data-rows", num(control.count_fn == nullptr ? 0 : std::max(0, control.count_fn(control.user_data))));
  canvas.out.open("g", group);
  draw_body(d);
  canvas.out.close("g");
}

}  // namespace qbhost::picture
