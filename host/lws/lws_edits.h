// Saving a scene file: the changes to its lines, and what writes them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/lws/lws_file.h"

namespace qbhost {

// Changes to the loaded lines.  Untouched lines are written back with their
// own bytes and endings; changed lines keep their ending; new lines take the
// file's.
struct LwsEdits {
  std::vector<std::optional<std::string>> replaced;
  std::vector<char> removed;
  std::vector<std::vector<std::string>> before;  // new lines before line i (i == size: at the end)

  explicit LwsEdits(std::size_t line_count)
      : replaced(line_count), removed(line_count, 0), before(line_count + 1) {}
  void replace(int line, std::string text) { replaced[line] = std::move(text); }
  void remove(int line) { removed[line] = 1; }
  void insert_after(int line, std::string text) { before[line + 1].push_back(std::move(text)); }
  void append(std::string text) { before.back().push_back(std::move(text)); }
  std::string join(const SceneFile &file) const;
};

struct LwsSaver {
  LwsSaver(const SceneFile &f, const Scene &s, LwsProblems &p, const std::string &out)
      : file(f),
        items(f.items),
        by_id(f.by_id),
        scene(s),
        problems(p),
        out_path(out),
        edits(f.lines.size()) {}

  const SceneFile &file;       // its lines, version and line ending
  std::vector<LwsItem> items;  // its records, then records added for items it lacks
  std::unordered_map<ItemId, std::size_t> by_id;
  const Scene &scene;
  LwsProblems &problems;
  std::string out_path;
  LwsEdits edits;
  std::size_t first_new = 0;  // items from here on are not in the file

  const LwsItem *record_of(ItemId id) const;
  std::string label(const Item &item) const;
  // Texts of the statements that name an item's parent; empty after saying why not.
  std::string parent_ref(const Item &item, ItemId parent);
  std::string safe_name(const Item &item);  // line breaks become blanks, said once
};

// Records and numbers for the items that the file does not hold (all of them
// for a new file), then their declarations; see lws_new_items.cpp.
void number_new_items(LwsSaver &saver);
void declare_new_items(LwsSaver &saver);
// The file's own statements rewritten for what changed in items it holds.
void edit_changed_items(LwsSaver &saver);

}  // namespace qbhost
