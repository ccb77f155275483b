// The layer replacement run behind the object replacer's Run button: pairs
// the object items in scope with layers of the same name in object files on
// disk, has the host replace them, and lists the outcome.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "abi/host_api.h"
#include "lwo/lwo_reader.h"

namespace qb::replace {

// Scope and mode values as the panel's popup and choice give them.
enum class Scope : int32_t { kSelection = 0, kSelectionWithChildren = 1, kAllMeshes = 2 };
enum class Mode : int32_t { kFile = 0, kDirectory = 1 };

struct ReplaceRow {
  LWItemID item = nullptr;
  int layer = -1;       // the file's own layer number (from 0); -1 while none is found
  std::string path;     // the object file the layer came from; empty while none is found
  bool result = false;  // the host took both commands for this item
};

using ReplaceRows = std::vector<ReplaceRow>;

void replace_layers(Scope scope, Mode mode, const std::string &file_path, const std::string &directory_path);

// The readable object files with at least one layer, in the order offered.
std::vector<LwoFile> gather_object_files(Mode mode, const std::string &file_path,
                                         const std::string &directory_path);

// The layer name an item is looked up under: the layer part of its name,
// else "Layer%d" from the host's layer number, else the whole name.
std::string item_layer_key(LWItemID item);

// Each layer name of a run's files with the layer a run picks for it (the
// first file in list order, then its first layer of the name), built once per
// run so that matching an item is one look-up whatever the number of files.
// Points into the files, which must outlive it unchanged.
struct LayerPick {
  const LwoFile *file = nullptr;
  const LwoLayer *layer = nullptr;
};
struct LayerIndex {
  std::unordered_map<std::string, LayerPick> first;
};

LayerIndex index_layers(const std::vector<LwoFile> &files);

// Fills the row with the index's layer for the item's key; false when none.
bool match_item(ReplaceRow &row, const LayerIndex &index);

// i / (n - 1); a lone item counts as finished.
float progress_fraction(std::size_t i, std::size_t n);

// The modal result panel; returns once the user has closed it.
void show_results(ReplaceRows &rows);

// Text of one cell of the result list (row -1: the heading); null for none.
const char *result_cell_text(const ReplaceRows *rows, int row, int column);
int result_column_width(int column);

}  // namespace qb::replace
