#include "host/core/layer_tables.h"

#include "host/core/platform.h"

namespace qbhost {
namespace {

const qb::LwoFile *read_unkept(LayerTables &tables, const std::string &path) {
  tables.by_path.erase(path);
  ++tables.reads;
  return qb::read_lwo_file(path, tables.unkept, tables.utf8_paths) ? &tables.unkept : nullptr;
}

}  // namespace

const qb::LwoFile *layer_table(LayerTables &tables, const std::string &path) {
  FileStamp before;
  if (!stamp_of(path, before)) return read_unkept(tables, path);
  const auto kept = tables.by_path.find(path);
  if (kept != tables.by_path.end() && kept->second.stamp == before)
    return kept->second.readable ? &kept->second.file : nullptr;
  LayerTable table;
  table.stamp = before;
  ++tables.reads;
  table.readable = qb::read_lwo_file(path, table.file, tables.utf8_paths);
  // What was read while the file changed may be neither its old nor its new
  // contents: it serves this command only.
  FileStamp after;
  if (!stamp_of(path, after) || !(after == before)) {
    tables.by_path.erase(path);
    tables.unkept = std::move(table.file);
    return table.readable ? &tables.unkept : nullptr;
  }
  LayerTable &slot = tables.by_path.insert_or_assign(path, std::move(table)).first->second;
  return slot.readable ? &slot.file : nullptr;
}

}  // namespace qbhost
