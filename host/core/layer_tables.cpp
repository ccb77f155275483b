#include "host/core/layer_tables.h"

#include <sys/stat.h>

namespace qbhost {
namespace {

bool stamp_of(const std::string &path, FileStamp &stamp) {
  struct stat info {};
  if (path.find('\0') != std::string::npos || ::stat(path.c_str(), &info) != 0) return false;
  stamp.device = static_cast<uint64_t>(info.st_dev);
  stamp.inode = static_cast<uint64_t>(info.st_ino);
  stamp.size = static_cast<uint64_t>(info.st_size);
  stamp.modified_s = info.st_mtim.tv_sec;
  stamp.modified_ns = info.st_mtim.tv_nsec;
  stamp.changed_s = info.st_ctim.tv_sec;
  stamp.changed_ns = info.st_ctim.tv_nsec;
  return true;
}

const qb::LwoFile *read_unkept(LayerTables &tables, const std::string &path) {
  tables.by_path.erase(path);
  ++tables.reads;
  return qb::read_lwo_file(path, tables.unkept) ? &tables.unkept : nullptr;
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
  table.readable = qb::read_lwo_file(path, table.file);
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
