// Reading a scene file's statements into item records.  Only the statements
// that declare items and hold their names, parents, visibility and active
// state are interpreted; every other line, envelope and plugin block is only
// stepped over (and kept, since the lines themselves are what gets saved).
#include "host/lws/lws_file.h"

namespace qbhost {
namespace {

bool starts_indented_or_numeric(std::string_view line) {
  if (line.empty()) return false;
  char c = line.front();
  return c == ' ' || c == '\t' || c == '-' || c == '.' || (c >= '0' && c <= '9');
}

bool is_declaration(std::string_view keyword) {
  return keyword == "LoadObjectLayer" || keyword == "LoadObject" || keyword == "AddNullObject" ||
         keyword == "AddBone" || keyword == "AddLight" || keyword == "AddCamera";
}

bool is_motion(std::string_view keyword) {
  return keyword == "ObjectMotion" || keyword == "BoneMotion" || keyword == "LightMotion" ||
         keyword == "CameraMotion";
}

const char *kind_word(ItemType type) {
  switch (type) {
    case ItemType::Object: return "an object";
    case ItemType::Light: return "a light";
    case ItemType::Camera: return "a camera";
    case ItemType::Bone: return "a bone";
  }
  return "an item";
}

struct Reader {
  Reader(SceneFile &f, LwsProblems &p) : file(f), problems(p) {}
  SceneFile &file;
  LwsProblems &problems;
  int current = -1;            // record the item statements apply to; -1 none
  bool skipping_item = false;  // a declaration that could not be read: ignore its statements
  int last_object = -1;
  int brace_depth = 0, brace_line = kNoLine;
  int plugin_depth = 0, plugin_line = kNoLine;
  bool in_motion = false;
  uint32_t objects = 0, lights = 0, cameras = 0;
  std::vector<uint32_t> bone_counts;            // per record index of an object
  std::unordered_map<uint32_t, int> ref_lines;  // number -> line that declared it

  int version() const { return file.version; }

  LwsItem *current_item() { return current >= 0 ? &file.items[current] : nullptr; }

  // An unclosed block swallows nothing that declares an item: the block is
  // taken as ended there, and said so once.
  bool inside_block(int line, const LwsStatement &st) {
    std::string_view text = file.text(line);
    if (brace_depth == 0 && plugin_depth == 0) return false;
    bool top_level_declaration =
        !text.empty() && text.front() != ' ' && text.front() != '\t' && is_declaration(st.keyword);
    if (top_level_declaration) {
      int open = plugin_depth > 0 ? plugin_line : brace_line;
      problems.add(open, std::string(plugin_depth > 0 ? "plugin block" : "block") +
                             " not closed before line " + std::to_string(line + 1));
      brace_depth = plugin_depth = 0;
      return false;
    }
    if (plugin_depth > 0) {
      if (st.keyword == "Plugin") ++plugin_depth;
      else if (st.keyword == "EndPlugin") --plugin_depth;
    } else if (!st.keyword.empty() && st.keyword.front() == '{') {
      ++brace_depth;
    } else if (!st.keyword.empty() && st.keyword.front() == '}') {
      --brace_depth;
    }
    if (in_motion) file.items[current].motion_end = line;
    return true;
  }

  bool opens_block(int line, const LwsStatement &st) {
    if (!st.keyword.empty() && st.keyword.front() == '{') {
      brace_depth = 1;
      brace_line = line;
    } else if (st.keyword == "Plugin") {
      plugin_depth = 1;
      plugin_line = line;
    } else if (!st.keyword.empty() && st.keyword.front() == '}') {
      problems.add(line, "} without a block to close");
    } else {
      return false;
    }
    if (in_motion) file.items[current].motion_end = line;
    return true;
  }

  // Old motion blocks are indented numbers; newer ones are channels with
  // envelope blocks.  Both end at the first line of another kind.
  bool continues_motion(int line, const LwsStatement &st) {
    if (!in_motion) return false;
    if (st.keyword == "NumChannels" || st.keyword == "Channel" ||
        starts_indented_or_numeric(file.text(line))) {
      file.items[current].motion_end = line;
      return true;
    }
    in_motion = false;
    return false;
  }

  // Versions 4 on carry the item number after the keyword (after the layer
  // for LoadObjectLayer).  `needs_rest`: the number is only taken when more
  // text follows, so that a name alone is never read as one.
  void take_id(LwsItem &item, std::string_view &rest, bool needs_rest) {
    if (version() < 4) return;
    std::string_view probe = rest;
    std::string_view word = next_word(probe);
    if (!is_item_number(word) || (needs_rest && probe.empty())) return;
    item.has_id = true;
    item.id_text = std::string(word);
    rest = probe;
  }

  void give_ref(LwsItem &item, int line, uint32_t counted) {
    uint32_t ref = counted;
    if (version() >= 4) {
      if (!item.has_id || !parse_hex(item.id_text, ref)) return;
    }
    auto [at, fresh] = ref_lines.emplace(ref, line);
    if (!fresh) {
      problems.add(
          line, "item number " + hex_ref(ref) + " is already used on line " + std::to_string(at->second + 1));
      return;
    }
    item.has_ref = true;
    item.ref = ref;
    item.ref_text = version() >= 4 ? item.id_text : version() <= 2 ? std::to_string(ref) : hex_ref(ref);
  }

  int start_item(int line, ItemType type) {
    LwsItem item;
    item.type = type;
    item.decl = line;
    file.items.push_back(std::move(item));
    bone_counts.push_back(0);
    current = static_cast<int>(file.items.size()) - 1;
    skipping_item = false;
    in_motion = false;
    return current;
  }

  void declare_object(int line, const LwsStatement &st) {
    LwsItem &item = file.items[start_item(line, ItemType::Object)];
    std::string_view rest = st.rest;
    if (st.keyword == "LoadObjectLayer") {
      std::string_view layer_word = next_word(rest);
      if (!parse_int(layer_word, item.layer) || item.layer < 1) {
        problems.add(line, "layer number must be 1 or more: " + std::string(layer_word));
        item.layer = 1;
      }
    }
    take_id(item, rest, true);
    item.path_text = std::string(rest);
    if (item.path_text.empty()) problems.add(line, std::string(st.keyword) + " without an object file");
    item.ordinal = objects++;
    if (version() <= 2) give_ref(item, line, item.ordinal + 1);
    else give_ref(item, line, kObjectBase + item.ordinal);
    last_object = current;
  }

  void declare_null(int line, const LwsStatement &st) {
    LwsItem &item = file.items[start_item(line, ItemType::Object)];
    item.null_object = true;
    std::string_view rest = st.rest;
    take_id(item, rest, false);
    item.name = std::string(rest);
    item.name_line = line;
    item.name_column = rest.empty() ? file.text(line).size()
                                    : static_cast<std::size_t>(rest.data() - file.text(line).data());
    item.ordinal = objects++;
    if (version() <= 2) give_ref(item, line, item.ordinal + 1);
    else give_ref(item, line, kObjectBase + item.ordinal);
    last_object = current;
  }

  void declare_bone(int line, const LwsStatement &st) {
    if (last_object < 0) {
      problems.add(line, "AddBone before any object");
      current = -1;
      skipping_item = true;
      in_motion = false;
      return;
    }
    int owner = last_object;
    uint32_t ordinal = bone_counts[owner]++;
    uint32_t object_ordinal = file.items[owner].ordinal;
    LwsItem &item = file.items[start_item(line, ItemType::Bone)];
    item.owner = static_cast<std::size_t>(owner);
    item.name = "Bone";
    std::string_view rest = st.rest;
    take_id(item, rest, false);
    item.ordinal = ordinal;
    // Versions 1-2 have no bones; should one appear, nothing can name it.
    if (version() >= 3)
      give_ref(item, line, kBoneBase | ((ordinal & 0xFFFu) << 16) | (object_ordinal & 0xFFFFu));
  }

  void declare_light_or_camera(int line, const LwsStatement &st, ItemType type) {
    LwsItem &item = file.items[start_item(line, type)];
    item.name = type == ItemType::Light ? "Light" : "Camera";
    std::string_view rest = st.rest;
    take_id(item, rest, false);
    uint32_t &count = type == ItemType::Light ? lights : cameras;
    item.ordinal = count++;
    // Versions 1-2 parent items to objects only; lights and cameras need no number.
    if (version() >= 3)
      give_ref(item, line, (type == ItemType::Light ? kLightBase : kCameraBase) + item.ordinal);
  }

  // The item a statement for `type` applies to, or null after saying why not.
  LwsItem *target(int line, const LwsStatement &st, ItemType type) {
    if (skipping_item) return nullptr;
    LwsItem *item = current_item();
    if (item && type == ItemType::Object && item->type == ItemType::Bone) item = &file.items[item->owner];
    if (item && item->type == type) return item;
    problems.add(line, std::string(st.keyword) + " outside " + kind_word(type));
    return nullptr;
  }

  void name_item(int line, const LwsStatement &st, ItemType type) {
    LwsItem *item = target(line, st, type);
    if (!item) return;
    item->name = std::string(st.rest);
    item->name_line = line;
    item->name_column = st.rest.empty() ? file.text(line).size() : st.rest_column;
  }

  void show_item(int line, const LwsStatement &st, ItemType type) {
    if (type == ItemType::Camera && version() == 1 &&
        !(current_item() && current_item()->type == ItemType::Camera)) {
      // Version 1 has one camera and no declaration for it: its block starts here.
      declare_light_or_camera(line, st, ItemType::Camera);
    }
    LwsItem *item = target(line, st, type);
    if (!item) return;
    std::string_view rest = st.rest;
    std::string_view word = next_word(rest);
    int value = 0;
    int highest = type == ItemType::Object ? kMaxObjectDisplay : 0x7FFFFFFF;
    if (!parse_int(word, value) || value < 0 || value > highest) {
      problems.add(line, std::string(st.keyword) + " needs a display value" +
                             (type == ItemType::Object ? " from 0 to 7" : " of 0 or more") + ": " +
                             std::string(word));
      return;
    }
    item->display = type == ItemType::Object ? value : (value != 0 ? 1 : 0);
    item->show_line = line;
  }

  void activate_bone(int line, const LwsStatement &st) {
    LwsItem *item = target(line, st, ItemType::Bone);
    if (!item) return;
    int value = 0;
    if (!parse_int(st.rest, value) || (value != 0 && value != 1)) {
      problems.add(line, "BoneActive needs 0 or 1: " + std::string(st.rest));
      return;
    }
    item->active = value;
    item->active_line = line;
  }

  void parent_item(int line, const LwsStatement &st) {
    if (skipping_item) return;
    LwsItem *item = current_item();
    if (!item) {
      problems.add(line, std::string(st.keyword) + " before any item");
      return;
    }
    uint32_t key = 0;
    bool ok = false;
    if (st.keyword == "ParentItem") {
      ok = parse_hex(st.rest, key);
    } else {
      int number = 0;
      ok = parse_int(st.rest, number) && number >= 1;
      key = static_cast<uint32_t>(number);
    }
    if (!ok) {
      problems.add(line, std::string(st.keyword) + " needs an item number: " + std::string(st.rest));
      return;
    }
    item->parent_line = line;
    item->parent_key = key;
  }

  void start_motion(int line) {
    if (skipping_item || current < 0) return;
    in_motion = true;
    file.items[current].motion_end = line;
  }

  void statement(int line, const LwsStatement &st) {
    const std::string_view k = st.keyword;
    if (k == "LoadObjectLayer" || k == "LoadObject") declare_object(line, st);
    else if (k == "AddNullObject") declare_null(line, st);
    else if (k == "AddBone") declare_bone(line, st);
    else if (k == "AddLight") declare_light_or_camera(line, st, ItemType::Light);
    else if (k == "AddCamera") declare_light_or_camera(line, st, ItemType::Camera);
    else if (k == "BoneName") name_item(line, st, ItemType::Bone);
    else if (k == "LightName") name_item(line, st, ItemType::Light);
    else if (k == "CameraName") name_item(line, st, ItemType::Camera);
    else if (k == "ShowObject") show_item(line, st, ItemType::Object);
    else if (k == "ShowBone") show_item(line, st, ItemType::Bone);
    else if (k == "ShowLight") show_item(line, st, ItemType::Light);
    else if (k == "ShowCamera") show_item(line, st, ItemType::Camera);
    else if (k == "BoneActive") activate_bone(line, st);
    else if (k == "ParentItem" && version() >= 3) parent_item(line, st);
    else if (k == "ParentObject" && version() <= 2) parent_item(line, st);
    else if (is_motion(k)) start_motion(line);
  }

  void read_body() {
    for (int line = 2; line < static_cast<int>(file.lines.size()); ++line) {
      LwsStatement st = parse_statement(file.text(line));
      if (inside_block(line, st) || opens_block(line, st) || continues_motion(line, st)) continue;
      statement(line, st);
    }
    if (plugin_depth > 0) problems.add(plugin_line, "plugin block not closed at the end of the file");
    else if (brace_depth > 0) problems.add(brace_line, "block not closed at the end of the file");
  }
};

}  // namespace

// Version: the second line.  A version this host does not know is read with
// the rules of the nearest one it does, and said so.
bool read_header(SceneFile &file, LwsProblems &problems, std::string &error) {
  if (file.lines.empty() || parse_statement(file.text(0)).keyword != "LWSC") {
    error = "not a LightWave scene file (no LWSC line)";
    return false;
  }
  file.eol = file.lines[0].eol_size == 0 ? "\n" : std::string(file.ending(0));
  if (file.lines.size() < 2) {
    problems.add(1, "the file ends before its version number");
    file.version = 3;
    return true;
  }
  LwsStatement st = parse_statement(file.text(1));
  int version = 0;
  if (!parse_int(st.keyword, version) || !st.rest.empty()) {
    problems.add(1, "not a version number: " + std::string(file.text(1)) + "; read as version 3");
    file.version = 3;
  } else if (version < 1 || version > 5) {
    int nearest = version < 1 ? 1 : 5;
    problems.add(
        1, "unknown version " + std::to_string(version) + "; read as version " + std::to_string(nearest));
    file.version = nearest;
  } else {
    file.version = version;
  }
  return true;
}

void read_items(SceneFile &file, LwsProblems &problems) {
  Reader reader(file, problems);
  reader.read_body();
}

}  // namespace qbhost
