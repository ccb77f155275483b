// The layer replacement run.
#include "tools/replace/replace_run.h"

#include "toolkit/base/item_ids.h"
#include "toolkit/base/send.h"
#include "toolkit/files.h"
#include "toolkit/lwtool2/eval.h"
#include "toolkit/lwtool2/items.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/panel.h"
#include "toolkit/text/code_page.h"
#include "toolkit/text/format.h"
#include "tools/replace/object_replacer_text.h"

namespace qb::replace {
namespace {

constexpr const char *kProgressText = "ReplaceObjectLayer...";
constexpr const char *kDoneText = "ReplaceObjectLayer...Done";

unsigned int host_layer_number(LWItemID item) {
  const LWObjectInfo *info = lwtool2::services().object_info;
  return info ? info->getGroupIndex(item) : 0;
}

lwtool2::HashedItemList scope_list(Scope scope) {
  switch (scope) {
    case Scope::kSelection: return lwtool2::selection_list(lwtool2::Descendants::kLeftOut);
    case Scope::kSelectionWithChildren: return lwtool2::selection_list(lwtool2::Descendants::kIncluded);
    case Scope::kAllMeshes: return lwtool2::mesh_objects();
    default: return {};
  }
}

std::vector<std::string> candidate_paths(Mode mode, const std::string &file_path,
                                         const std::string &directory_path) {
  if (mode == Mode::kFile) return {file_path};
  if (mode == Mode::kDirectory) return list_files(directory_path);
  return {};
}

// A refused selection leaves the previous item selected, and replacing then
// would change the wrong item; so a refused command ends this item's
// replacement and the row shows the failure mark instead of claiming success.
// The replacement names its path whole, however long: a path may be as long
// as the directory field allows plus an entry name, and a cut one would
// replace the item with the wrong file (or none).
bool send_replace(const ReplaceRow &row) {
  if (lwtool2::eval(format_message("SelectItem 0x%x", item_id_bits(row.item)))) return false;
  lwtool2::refresh_interface_info();
  return qb::send_command(lwtool2::services().command,
                          "ReplaceObjectLayer " + std::to_string(row.layer + 1) + " " + row.path,
                          qb::OnRefusal::kReport, qb::CommandLength::kAnyLength);
}

ReplaceRows replace_items(const lwtool2::HashedItemList &items, const std::vector<LwoFile> &files) {
  const LayerIndex index = index_layers(files);
  ReplaceRows rows;
  const std::size_t n = items.size();
  for (std::size_t i = 0; i < n; ++i) {
    const LWItemID item = items[i];
    if (lwtool2::classify_item(item) == kMeshObject) {
      ReplaceRow &row = rows.emplace_back();
      row.item = item;
      if (match_item(row, index)) row.result = send_replace(row);
    }
    lwtool2::status_progress(progress_fraction(i, n), "%s", kProgressText);
  }
  lwtool2::status_progress(1.0f, "%s", kDoneText);
  return rows;
}

}  // namespace

void replace_layers(Scope scope, Mode mode, const std::string &file_path, const std::string &directory_path) {
  // A path that fills its field's buffer may have been cut by the host, and would replace
  // layers from the wrong file; it is refused whole.
  const std::string &path = mode == Mode::kFile ? file_path : directory_path;
  if (mode <= Mode::kDirectory && fills_field_buffer(path)) {
    lwtool2::status_error(g_object_replacer_messages[kMsgPathTooLong]);
    return;
  }
  const lwtool2::HashedItemList saved = lwtool2::selection_list(lwtool2::Descendants::kLeftOut);
  const lwtool2::HashedItemList items = scope_list(scope);
  const std::vector<LwoFile> files = gather_object_files(mode, file_path, directory_path);
  if (!files.empty()) {
    ReplaceRows rows = replace_items(items, files);
    show_results(rows);
  }
  lwtool2::select_list(saved);
}

std::vector<LwoFile> gather_object_files(Mode mode, const std::string &file_path,
                                         const std::string &directory_path) {
  std::vector<LwoFile> files;
  for (const std::string &path : candidate_paths(mode, file_path, directory_path)) {
    LwoFile file;
    if (read_lwo_file(path, file, host_code_page() == CodePage::Utf8) && !file.layers.empty())
      files.push_back(std::move(file));
  }
  return files;
}

std::string item_layer_key(LWItemID item) {
  const std::string name = lwtool2::item_name(item);
  std::string key = layer_name_of(name);
  if (!key.empty()) return key;
  const unsigned int number = host_layer_number(item);
  if (number != 0) return "Layer" + std::to_string(number);
  return name;
}

LayerIndex index_layers(const std::vector<LwoFile> &files) {
  LayerIndex index;
  for (const LwoFile &file : files)
    for (const LwoLayer &layer : file.layers) index.first.try_emplace(layer.name, LayerPick{&file, &layer});
  return index;
}

bool match_item(ReplaceRow &row, const LayerIndex &index) {
  const std::string key = item_layer_key(row.item);
  if (key.empty()) return false;
  const auto found = index.first.find(key);
  if (found == index.first.end()) return false;
  row.layer = found->second.layer->number;
  row.path = found->second.file->path;
  return true;
}

float progress_fraction(std::size_t i, std::size_t n) {
  if (n <= 1) return 1.0f;
  return static_cast<float>(i) / static_cast<float>(n - 1);
}

}  // namespace qb::replace
