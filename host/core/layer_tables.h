// The layer tables of object files the host has read, kept so that a run of
// many ReplaceObjectLayer commands against a few files reads each file once.
// An entry is trusted only while the file on disk still has the size,
// modification and change times and identity it had when it was read; a file
// changed or replaced since is read again.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "lwo/lwo_reader.h"

namespace qbhost {

// What the system says of a file, enough to notice that it changed: its
// identity, size, and the times of its last write and (where the system keeps
// one) of its last status change, each in whole seconds since the system's
// epoch and the nanoseconds within that second.
struct FileStamp {
  uint64_t device = 0, inode = 0, size = 0;
  int64_t modified_seconds = 0, modified_nanoseconds = 0;
  int64_t status_changed_seconds = 0, status_changed_nanoseconds = 0;
  bool operator==(const FileStamp &) const = default;
};

struct LayerTable {
  FileStamp stamp;
  bool readable = false;  // what read_lwo_file answered
  qb::LwoFile file;
};

struct LayerTables {
  std::unordered_map<std::string, LayerTable> by_path;
  qb::LwoFile unkept;       // the last file that could not be kept
  uint64_t reads = 0;       // files read from disk
  bool utf8_paths = false;  // paths are UTF-8 (the 2020 generation): wide functions on Windows
};

// The layers qb::read_lwo_file gives for the path, or null where it fails;
// answered from the kept table while the file is unchanged.  A file that
// cannot be stat'ed, or changes while it is read, is not kept.  The result
// is valid until the next call.
const qb::LwoFile *layer_table(LayerTables &tables, const std::string &path);

}  // namespace qbhost
