// `print panel`: the panel's state, then one line per control, and under a
// multi-list its heading and every row as the module's callbacks give them.
// `print control`: one control's line, or only the fields a test names.
#include <string>
#include <vector>

#include "host/core/host_state.h"
#include "host/core/text.h"

namespace qbhost {
namespace {

constexpr int kMaxColumns = 64;  // a column-width callback that never answers 0 stops here

const char *draw_state(int mode) {
  switch (mode) {
    case DR_ERASE: return "erased";
    case DR_GHOST: return "ghosted";
    default: return "normal";
  }
}

std::string cell(const char *text, TextCode jp) { return text == nullptr ? "null" : quoted(text, jp); }

std::vector<int> column_widths(const Control &list) {
  std::vector<int> widths;
  if (list.col_width_fn == nullptr) return {0};
  for (int column = 0; column < kMaxColumns; ++column) {
    const int width = list.col_width_fn(list.user_data, column);
    if (width <= 0) break;
    widths.push_back(width);
  }
  return widths;
}

void describe_list(const Control &list, TextCode jp, std::string &line, std::vector<std::string> &lines) {
  const int rows = list.count_fn == nullptr ? 0 : list.count_fn(list.user_data);
  const std::vector<int> widths = column_widths(list);
  line += " rows=" + std::to_string(rows) + " columns=";
  for (std::size_t c = 0; c < widths.size(); ++c)
    line.append(c == 0 ? "" : ",").append(std::to_string(widths[c]));
  lines.push_back(line);
  if (list.name_fn == nullptr) return;
  for (int row = -1; row < rows; ++row) {
    std::string text = row < 0 ? "    heading" : "    row " + std::to_string(row);
    for (std::size_t c = 0; c < widths.size(); ++c)
      text.append(" ").append(cell(list.name_fn(list.user_data, row, static_cast<int>(c)), jp));
    lines.push_back(text);
  }
}

std::string value_text(const Control &control, TextCode jp) {
  if (control.kind == ValueKind::Text) return quoted(control.text_value, jp);
  std::string text = std::to_string(control.int_value);
  const int v = control.int_value;
  if (control.desc_type == LWT_CHOICE && v >= 0 && static_cast<std::size_t>(v) < control.choices.size())
    text.append(" ").append(quoted(control.choices[static_cast<std::size_t>(v)], jp));
  return text;
}

void describe_control(const Control &control, TextCode jp, const std::string &indent,
                      std::vector<std::string> &lines) {
  std::string line =
      indent + std::to_string(control.number) + " " + control.type_name + " " + quoted(control.label, jp);
  line += " x=" + std::to_string(control.x) + " y=" + std::to_string(control.y);
  line += " value=" + value_text(control, jp) + " " + draw_state(control.draw_mode);
  if (control.desc_type == LWT_MLIST) describe_list(control, jp, line, lines);
  else lines.push_back(line);
}

}  // namespace

std::vector<std::string> describe_panel(HostState &host, Panel &panel) {
  const TextCode jp = text_code(host);
  std::vector<std::string> lines;
  std::string head = "panel " + quoted(panel.title, jp) +
                     (panel.open ? " open flags=" + std::to_string(panel.flags) : " closed");
  head += " width=" + std::to_string(panel.width) + " height=" + std::to_string(panel.height);
  head += " controls=" + std::to_string(panel.controls.size());
  lines.push_back(head);
  for (const Control *control : panel.controls) describe_control(*control, jp, "  ", lines);
  return lines;
}

bool describe_control_fields(HostState &host, Panel &panel, int number,
                             const std::vector<std::string> &fields, std::vector<std::string> &lines,
                             std::string &error) {
  if (number < 1 || static_cast<std::size_t>(number) > panel.controls.size()) {
    error = "no control " + std::to_string(number) + " on panel " + quoted(panel.title, TextCode::Plain);
    return false;
  }
  const Control &control = *panel.controls[static_cast<std::size_t>(number - 1)];
  const TextCode jp = text_code(host);
  if (fields.empty()) {
    describe_control(control, jp, "control ", lines);
    return true;
  }
  std::string line = "control " + std::to_string(number);
  std::vector<std::string> list_lines;
  for (const std::string &field : fields) {
    if (field == "type") line += " type=" + control.type_name;
    else if (field == "label") line += " label=" + quoted(control.label, jp);
    else if (field == "x") line += " x=" + std::to_string(control.x);
    else if (field == "y") line += " y=" + std::to_string(control.y);
    else if (field == "value") line += " value=" + value_text(control, jp);
    else if (field == "state") line += std::string(" state=") + draw_state(control.draw_mode);
    else if (field == "list" && control.desc_type == LWT_MLIST) {
      std::string head;
      describe_list(control, jp, head, list_lines);
      line += list_lines.front();
      list_lines.erase(list_lines.begin());
    } else {
      error = "no field " + field + " (type, label, x, y, value, state, or list of a multi-list)";
      return false;
    }
  }
  lines.push_back(line);
  lines.insert(lines.end(), list_lines.begin(), list_lines.end());
  return true;
}

}  // namespace qbhost
