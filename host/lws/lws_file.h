// Inside the scene file code: the loaded text line by line, and for every item
// the lines that hold its state and that state as it was loaded, so that a
// save rewrites only the statements of what has changed since.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/lws/lws.h"
#include "host/scene/scene.h"
#include "lwo/lwo_reader.h"

namespace qbhost {

// A line of the file's bytes: where it starts, its length without the line
// ending, and the length of that ending ("\n" or "\r" 1, "\r\n" 2, none 0 on
// a last line without one).
struct LwsLine {
  std::size_t start = 0;
  std::size_t size = 0;
  uint8_t eol_size = 0;
};

// One statement: the first word and the rest after the blanks that follow it.
struct LwsStatement {
  std::string_view keyword;
  std::string_view rest;        // trailing blanks removed
  std::size_t rest_column = 0;  // where `rest` starts in the line
};

inline constexpr int kNoLine = -1;

// What the file says about one item, then (once created) its scene state as
// loaded.
struct LwsItem {
  ItemType type = ItemType::Object;
  bool null_object = false;
  std::size_t owner = 0;        // bones: index of their object's record
  uint32_t ordinal = 0;         // among the file's items of its kind (bones: of its object)
  int decl = kNoLine;           // declaration line
  int name_line = kNoLine;      // nulls: the declaration line
  std::size_t name_column = 0;  // where the name starts on name_line
  int show_line = kNoLine;
  int active_line = kNoLine;  // BoneActive
  int parent_line = kNoLine;  // ParentItem, or ParentObject in versions 1-2 (resolved once all items exist)
  int motion_end = kNoLine;   // last line of the motion block
  bool has_ref = false;       // the item has a number parent statements can name
  uint32_t ref = 0;           // that number (versions 1-2: the 1-based object number)
  std::string ref_text;       // and how this file writes it

  // Declaration contents.
  std::string name;       // as written; objects: filled in when created
  std::string path_text;  // object file as the scene gives it
  int layer = 1;          // LoadObjectLayer's layer
  bool has_id = false;    // versions 4+: the declaration carries the item number
  std::string id_text;
  int display = -1;  // from the Show statement; -1 none
  int active = -1;   // from BoneActive; -1 none
  uint32_t parent_key = 0;

  // The item in the scene and its state right after loading.
  ItemId id = 0;
  struct {
    std::string name, file;
    ItemId parent = 0;
    int display = 0, layer = 0;
    bool active = true;
  } loaded;
};

class SceneFile {
 public:
  std::string path;
  int version = 3;         // rules the file was read with
  std::string eol = "\n";  // for new lines: the first line's ending
  std::string bytes;       // the file as read
  std::vector<LwsLine> lines;
  std::vector<LwsItem> items;
  std::unordered_map<ItemId, std::size_t> by_id;  // scene item -> record

  std::string_view text(std::size_t line) const {
    return std::string_view(bytes).substr(lines[line].start, lines[line].size);
  }
  std::string_view ending(std::size_t line) const {
    return std::string_view(bytes).substr(lines[line].start + lines[line].size, lines[line].eol_size);
  }
};

// Collects problems, each once, and hands them out as "LINE: message" in
// the order of their lines (those without a line in the order they came).
struct LwsProblems {
  explicit LwsProblems(std::vector<std::string> *to) : out(to) {}
  std::vector<std::string> *out;
  std::unordered_set<std::string> seen;
  std::vector<std::pair<int, std::string>> found;
  void add(int line_index, const std::string &message);  // line_index counts from 0
  void add(const std::string &message);                  // no line
  void flush();
};

// ---- text -------------------------------------------------------------------
std::vector<LwsLine> split_lines(std::string_view bytes);
LwsStatement parse_statement(std::string_view line);
std::string_view next_word(std::string_view &text);  // and skips the blanks after it
bool parse_int(std::string_view text, int &value);
bool parse_hex(std::string_view text, uint32_t &value);  // 1-8 hex digits, optional 0x
bool is_item_number(std::string_view word);              // exactly 8 hex digits
std::string hex_ref(uint32_t value);                     // as real files write it: %08x

// ---- object files -------------------------------------------------------------
// The object path as a scene writes it, looked for relative to the scene's
// folder and its content folder (the scene folder's parent), with Windows
// separators and drive letters, trying shorter tails when the whole path is
// not found.  A path that opens on this machine, or "" when none does.
std::string resolve_object_path(const std::string &scene_path, const std::string &path_text);
// The file's base name without its extension; either separator counts.
std::string object_base_name(const std::string &path_text);
// How a scene saved at `scene_path` should refer to `file`: relative to the
// scene's folder, with backslashes when `style_example` has any.
std::string scene_path_text(const std::string &scene_path, const std::string &file,
                            const std::string &style_example);

// Object files met while loading, each resolved and read once however often
// the scene loads them.
struct LwsObjectFiles {
  std::string scene_path;
  std::unordered_map<std::string, std::string> resolved;  // path text -> path that opens, or ""
  std::unordered_map<std::string, qb::LwoFile> read;      // path that opens -> its layers
  const std::string &resolve(const std::string &path_text);
  const qb::LwoFile *layers(const std::string &file);  // null when not a readable object file
};

// Item name of layer `layer` of the object the scene names `path_text`:
// base name, plus ":" and the layer's name when the file has several layers.
// `file` becomes the path that opens (the scene's text when none does);
// `problem` says what could not be found, or is empty.
std::string object_item_name(LwsObjectFiles &files, const std::string &path_text, int layer,
                             std::string &file, std::string &problem);
// Whether a mesh named `name` is what loading `file` would call it again.
bool mesh_name_fits_file(const std::string &name, const std::string &file);

// Repeated object names get " (2)", " (3)" in the order they are taken.
struct LwsUniqueNames {
  std::unordered_map<std::string, int> next;
  std::unordered_set<std::string> used;
  std::string take(const std::string &name);
};

// ---- loading ----------------------------------------------------------------
// The LWSC line and the version; false with `error` when the text is not a
// scene file at all.
bool read_header(SceneFile &file, LwsProblems &problems, std::string &error);
// Item records from every line after the header.
void read_items(SceneFile &file, LwsProblems &problems);
// The records' items in `scene`, named, parented, with their state.
void create_items(SceneFile &file, Scene &scene, LwsProblems &problems);

}  // namespace qbhost
