// The modal result list of a replacement run.
#include <array>
#include <string>

#include "toolkit/guard.h"
#include "toolkit/lwtool2/items.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/panel.h"
#include "tools/replace/object_replacer_text.h"
#include "tools/replace/replace_run.h"

namespace qb::replace {
namespace {

constexpr int kColumnCount = 4;
constexpr std::array<int, kColumnCount> kColumnWidths = {220, 20, 320, 40};

// The host keeps a cell's text only until it asks again, so one buffer per
// column is enough; strings rather than fixed arrays so long paths show whole.
std::array<std::string, kColumnCount> &cell_buffers() {
  static std::array<std::string, kColumnCount> buffers;
  return buffers;
}

const char *keep(int column, std::string text) {
  std::string &buffer = cell_buffers()[static_cast<std::size_t>(column)];
  buffer = std::move(text);
  return buffer.c_str();
}

const char *column_title(int column) {
  const ChoiceLists &choices = object_replacer_choices();
  if (choices.lists.size() <= kChoiceColumnTitles) return nullptr;
  if (column < 0 || column >= choices.counts[kChoiceColumnTitles]) return nullptr;
  return choices.lists[kChoiceColumnTitles][column];
}

const char *row_cell(const ReplaceRow &row, int column) {
  switch (column) {
    // Read when the cell is drawn: the replacement has renamed the item by then.
    case 0: return keep(column, lwtool2::item_name(row.item));
    case 1: return keep(column, row.layer == -1 ? std::string("-") : std::to_string(row.layer + 1));
    case 2: return keep(column, row.path);
    case 3: return g_object_replacer_marks[row.result ? kMarkSuccess : kMarkFailure];
    default: return nullptr;
  }
}

int count_rows(void *data) {
  const auto *rows = static_cast<const ReplaceRows *>(data);
  return rows ? static_cast<int>(rows->size()) : 0;
}

const char *cell_text(void *data, int row, int column) {
  const char *text = nullptr;
  guarded([&] { text = result_cell_text(static_cast<const ReplaceRows *>(data), row, column); });
  return text;
}

int column_width(void *, int column) { return result_column_width(column); }

}  // namespace

const char *result_cell_text(const ReplaceRows *rows, int row, int column) {
  if (row == -1) return column_title(column);
  if (!rows || row < 0 || static_cast<std::size_t>(row) >= rows->size()) return nullptr;
  return row_cell((*rows)[static_cast<std::size_t>(row)], column);
}

int result_column_width(int column) {
  if (column < 0 || column >= kColumnCount) return 0;
  return kColumnWidths[static_cast<std::size_t>(column)];
}

void show_results(ReplaceRows &rows) {
  LWPanelFuncs *funcs = lwtool2::services().panel;
  if (!funcs) return;
  LWPanelID panel = create_panel(funcs, lwtool2::g_global, "Result", nullptr);
  if (!panel) return;
  LWPanControlDesc desc = multilist_desc(600, 18, &count_rows, &cell_text, &column_width);
  if (LWControl *list = funcs->addControl(panel, ctl::kMultiList, &desc, "")) {
    set_int(list, CTL_X, 5);
    set_int(list, CTL_Y, 0);
    set_user_data(list, &rows);
  }
  set_panel_int(funcs, panel, PAN_W, 610);
  set_panel_int(funcs, panel, PAN_H, 320);
  funcs->open(panel, PANF_BLOCKING);
  funcs->destroy(panel);
}

}  // namespace qb::replace
