// What the tools changed in items the file holds, written in the file's own
// statements: the name line, the Show line, BoneActive, the parent statement
// and the object's declaration.  A statement the item lacks is added where
// the real host writes it; every other line stays as it was.
#include "host/lws/lws_edits.h"

namespace qbhost {
namespace {

const char *name_keyword(ItemType type) {
  switch (type) {
    case ItemType::Bone: return "BoneName";
    case ItemType::Light: return "LightName";
    case ItemType::Camera: return "CameraName";
    case ItemType::Object: break;
  }
  return "AddNullObject";
}

const char *show_keyword(ItemType type) {
  switch (type) {
    case ItemType::Object: return "ShowObject";
    case ItemType::Bone: return "ShowBone";
    case ItemType::Light: return "ShowLight";
    case ItemType::Camera: return "ShowCamera";
  }
  return "ShowObject";
}

const char *kind_text(ItemType type) {
  switch (type) {
    case ItemType::Object: return "an object";
    case ItemType::Bone: return "a bone";
    case ItemType::Light: return "a light";
    case ItemType::Camera: return "a camera";
  }
  return "an item";
}

// The line with its text from `column` on replaced; a blank is kept between
// the keyword and a value that used to be missing.
std::string with_tail(std::string_view line, std::size_t column, const std::string &tail) {
  std::string head(line.substr(0, column));
  if (!head.empty() && head.back() != ' ' && head.back() != '\t') head += ' ';
  return head + tail;
}

// The line with the first value after its keyword replaced.
std::string with_first_value(std::string_view line, const std::string &value) {
  LwsStatement st = parse_statement(line);
  std::string_view rest = st.rest;
  next_word(rest);
  std::size_t after = rest.empty() ? line.size() : static_cast<std::size_t>(rest.data() - line.data());
  std::string tail = value;
  if (!rest.empty()) {
    tail += ' ';
    tail += line.substr(after);
  }
  return with_tail(line, st.rest_column, tail);
}

int last_of(std::initializer_list<int> lines) {
  int best = kNoLine;
  for (int line : lines) best = line > best ? line : best;
  return best;
}

struct ItemEditor {
  LwsSaver &saver;
  const LwsItem &record;
  const Item &item;

  const SceneFile &file() { return saver.file; }
  std::string_view text(int line) { return file().text(line); }
  bool now_mesh() const { return item.type == ItemType::Object && !item.file.empty(); }
  bool object_file_changed() const {
    return item.file != record.loaded.file || item.layer != record.loaded.layer;
  }

  void name() {
    if (item.name == record.loaded.name) return;
    // Objects loaded from a file are named by it, even when the file name is missing.
    bool named_by_file = item.type == ItemType::Object && (now_mesh() || !record.null_object);
    if (named_by_file) {
      if (object_file_changed() && mesh_name_fits_file(item.name, item.file)) return;
      saver.problems.add(saver.label(item) +
                         ": a mesh object's name comes from its file; the new name is not saved");
      return;
    }
    std::string name = saver.safe_name(item);
    if (record.name_line != kNoLine) {
      saver.edits.replace(record.name_line, with_tail(text(record.name_line), record.name_column, name));
    } else if (file().version == 1 && item.type == ItemType::Camera) {
      saver.problems.add(saver.label(item) +
                         ": version 1 scene files do not name the camera; the name is not saved");
    } else {
      saver.edits.insert_after(record.decl, std::string(name_keyword(item.type)) + " " + name);
    }
  }

  void display() {
    if (item.display == record.loaded.display) return;
    std::string value = std::to_string(item.display);
    if (record.show_line != kNoLine) {
      saver.edits.replace(record.show_line, with_first_value(text(record.show_line), value));
      return;
    }
    saver.edits.insert_after(last_of({record.decl, record.name_line}),
                             std::string(show_keyword(item.type)) + " " + value + " 7");
  }

  void active() {
    if (item.active == record.loaded.active) return;
    if (item.type != ItemType::Bone) {
      saver.problems.add(saver.label(item) + ": scene files keep no active state for " +
                         kind_text(item.type) + "; the change is not saved");
      return;
    }
    std::string value = item.active ? "1" : "0";
    if (record.active_line != kNoLine) {
      saver.edits.replace(record.active_line, with_first_value(text(record.active_line), value));
      return;
    }
    saver.edits.insert_after(last_of({record.decl, record.name_line, record.show_line}),
                             "BoneActive " + value);
  }

  void parent() {
    if (item.parent == record.loaded.parent) return;
    if (item.parent == 0) {
      if (item.type == ItemType::Bone)
        saver.problems.add(saver.label(item) +
                           ": in scene files a bone without a parent hangs from its object");
      if (record.parent_line != kNoLine) saver.edits.remove(record.parent_line);
      return;
    }
    std::string ref = saver.parent_ref(item, item.parent);
    if (ref.empty()) return;
    if (record.parent_line != kNoLine) {
      saver.edits.replace(
          record.parent_line,
          with_tail(text(record.parent_line), parse_statement(text(record.parent_line)).rest_column, ref));
      return;
    }
    std::string keyword = file().version <= 2 ? "ParentObject" : "ParentItem";
    saver.edits.insert_after(
        last_of({record.decl, record.name_line, record.show_line, record.active_line, record.motion_end}),
        keyword + " " + ref);
  }

  void object_file() {
    if (item.type != ItemType::Object || !object_file_changed()) return;
    if (item.file.empty()) {
      saver.problems.add(saver.label(item) +
                         ": a mesh cannot become a null object in a scene file; not saved");
      return;
    }
    std::string path = item.file == record.loaded.file && !record.path_text.empty()
                           ? record.path_text
                           : scene_path_text(saver.out_path, item.file, record.path_text);
    std::string id = record.has_id ? record.id_text + " " : "";
    if (file().version <= 2) {
      if (item.layer != 1) {
        saver.problems.add(saver.label(item) + ": scene files of version " + std::to_string(file().version) +
                           " load whole objects, not layer " + std::to_string(item.layer) + "; not saved");
        return;
      }
      saver.edits.replace(record.decl, "LoadObject " + path);
      return;
    }
    saver.edits.replace(record.decl, "LoadObjectLayer " + std::to_string(item.layer) + " " + id + path);
  }
};

}  // namespace

void edit_changed_items(LwsSaver &saver) {
  for (const LwsItem &record : saver.items) {
    if (record.decl == kNoLine) continue;  // added for this save, written whole
    if (!record.id) continue;              // left out when loading, and said so then
    const Item *item = saver.scene.item(record.id);
    if (!item || item->type != record.type) {
      saver.problems.add("the item declared on line " + std::to_string(record.decl + 1) +
                         " is no longer in the scene; its lines are kept");
      continue;
    }
    ItemEditor editor{saver, record, *item};
    editor.object_file();
    editor.name();
    editor.display();
    editor.active();
    editor.parent();
  }
}

}  // namespace qbhost
