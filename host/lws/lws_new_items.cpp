// Items the scene file does not hold (made after loading, or every item of a
// scene saved for the first time) get declarations of their own: numbered
// after the file's items of their kind, objects and lights and cameras at the
// end of the file, a new bone of an object the file holds right after that
// object's bones, so that it still follows its object.
#include <unordered_map>

#include "host/lws/lws_edits.h"

namespace qbhost {
namespace {

uint32_t kind_base(ItemType type) {
  switch (type) {
    case ItemType::Object: return kObjectBase;
    case ItemType::Light: return kLightBase;
    case ItemType::Camera: return kCameraBase;
    case ItemType::Bone: return kBoneBase;
  }
  return kObjectBase;
}

struct NewItems {
  explicit NewItems(LwsSaver &s) : saver(s) {}
  LwsSaver &saver;
  std::size_t first_new = 0;                              // records from here on are new
  uint32_t counts[4] = {0, 0, 0, 0};                      // file items per kind (bones: unused)
  std::unordered_map<uint32_t, uint32_t> next_baked;      // versions 4+: next number per kind nibble
  std::unordered_map<std::size_t, uint32_t> bone_counts;  // per object record
  std::unordered_map<std::size_t, int> bone_places;       // per object record of the file

  int version() { return saver.file.version; }

  void count_file_items() {
    first_new = saver.items.size();
    for (std::size_t i = 0; i < first_new; ++i) {
      const LwsItem &record = saver.items[i];
      if (record.type == ItemType::Bone) ++bone_counts[record.owner];
      else ++counts[static_cast<int>(record.type)];
      if (record.has_ref) {
        uint32_t nibble = record.ref & 0xF0000000u;
        uint32_t &next = next_baked[nibble];
        if (record.ref + 1 > next) next = record.ref + 1;
      }
    }
  }

  bool number(LwsItem &record, const Item &item) {
    if (version() >= 4) {
      uint32_t base = kind_base(record.type);
      uint32_t &next = next_baked[base];
      if (next < base) next = base;
      record.ref = next++;
      record.has_id = true;
      record.id_text = hex_ref(record.ref);
      record.has_ref = true;
      record.ref_text = record.id_text;
      return true;
    }
    if (record.type == ItemType::Bone) {
      if (version() <= 2) {
        saver.problems.add(saver.label(item) + ": scene files of version " + std::to_string(version()) +
                           " hold no bones; the bone is not saved");
        return false;
      }
      record.ordinal = bone_counts[record.owner]++;
      record.ref =
          kBoneBase | ((record.ordinal & 0xFFFu) << 16) | (saver.items[record.owner].ordinal & 0xFFFFu);
    } else {
      record.ordinal = counts[static_cast<int>(record.type)]++;
      if (version() == 1 && record.type == ItemType::Camera && record.ordinal > 0) {
        saver.problems.add(saver.label(item) +
                           ": version 1 scene files hold one camera; this one is not saved");
        return false;
      }
      if (version() <= 2 && record.type != ItemType::Object) return true;  // nothing can name it as parent
      record.ref = version() <= 2 ? record.ordinal + 1 : kind_base(record.type) + record.ordinal;
    }
    record.has_ref = true;
    record.ref_text = version() <= 2 ? std::to_string(record.ref) : hex_ref(record.ref);
    return true;
  }

  void add_records() {
    for (ItemId id : saver.scene.scene_order()) {
      if (saver.by_id.count(id)) continue;
      const Item &item = *saver.scene.item(id);
      LwsItem record;
      record.type = item.type;
      record.null_object = item.type == ItemType::Object && item.file.empty();
      record.id = id;
      if (item.type == ItemType::Bone) {
        auto owner = saver.by_id.find(item.object);
        if (owner == saver.by_id.end()) continue;  // its object was not saved either
        record.owner = owner->second;
      }
      if (!number(record, item)) continue;
      saver.by_id[id] = saver.items.size();
      saver.items.push_back(std::move(record));
    }
  }

  // Before the first declaration after `owner` that is not one of its bones.
  int bone_place(std::size_t owner) {
    auto found = bone_places.find(owner);
    if (found != bone_places.end()) return found->second;
    int place = static_cast<int>(saver.file.lines.size());
    for (std::size_t k = owner + 1; k < first_new; ++k) {
      const LwsItem &record = saver.items[k];
      if (record.type == ItemType::Bone && record.owner == owner) continue;
      place = record.decl;
      break;
    }
    bone_places.emplace(owner, place);
    return place;
  }

  std::string declaration(const LwsItem &record, const Item &item) {
    std::string id = record.has_id ? " " + record.id_text : "";
    switch (item.type) {
      case ItemType::Object:
        if (record.null_object) return "AddNullObject" + id + " " + saver.safe_name(item);
        if (!mesh_name_fits_file(item.name, item.file))
          saver.problems.add(saver.label(item) +
                             ": a mesh object's name comes from its file; the name is not saved");
        if (version() <= 2) {
          if (item.layer != 1)
            saver.problems.add(saver.label(item) + ": scene files of version " + std::to_string(version()) +
                               " load whole objects; saved as layer 1");
          return "LoadObject " + scene_path_text(saver.out_path, item.file, "");
        }
        return "LoadObjectLayer " + std::to_string(item.layer) + id + " " +
               scene_path_text(saver.out_path, item.file, "");
      case ItemType::Bone: return "AddBone" + id;
      case ItemType::Light: return "AddLight" + id;
      case ItemType::Camera: return "AddCamera" + id;
    }
    return "";
  }

  std::vector<std::string> block(const LwsItem &record, const Item &item) {
    std::vector<std::string> lines{"", declaration(record, item)};
    const char *name_keyword = item.type == ItemType::Bone    ? "BoneName"
                               : item.type == ItemType::Light ? "LightName"
                                                              : "CameraName";
    const char *show_keyword = item.type == ItemType::Object  ? "ShowObject"
                               : item.type == ItemType::Bone  ? "ShowBone"
                               : item.type == ItemType::Light ? "ShowLight"
                                                              : "ShowCamera";
    if (item.type != ItemType::Object && !(version() == 1 && item.type == ItemType::Camera))
      lines.push_back(std::string(name_keyword) + " " + saver.safe_name(item));
    lines.push_back(std::string(show_keyword) + " " + std::to_string(item.display) + " 7");
    if (item.type == ItemType::Bone) lines.push_back(std::string("BoneActive ") + (item.active ? "1" : "0"));
    else if (!item.active)
      saver.problems.add(saver.label(item) +
                         ": scene files keep no active state for this kind of item; not saved");
    bool parent_is_owner = item.type == ItemType::Bone && item.parent == item.object;
    if (item.type == ItemType::Bone && item.parent == 0)
      saver.problems.add(saver.label(item) +
                         ": in scene files a bone without a parent hangs from its object");
    if (item.parent && !parent_is_owner) {
      std::string ref = saver.parent_ref(item, item.parent);
      if (!ref.empty()) lines.push_back((version() <= 2 ? "ParentObject " : "ParentItem ") + ref);
    }
    return lines;
  }

  void write_blocks() {
    for (std::size_t i = first_new; i < saver.items.size(); ++i) {
      const LwsItem &record = saver.items[i];
      const Item &item = *saver.scene.item(record.id);
      bool bone_of_file_object = record.type == ItemType::Bone && record.owner < first_new;
      std::vector<std::string> &place =
          bone_of_file_object ? saver.edits.before[bone_place(record.owner)] : saver.edits.before.back();
      for (std::string &line : block(record, item)) place.push_back(std::move(line));
    }
  }
};

}  // namespace

void number_new_items(LwsSaver &saver) {
  NewItems items(saver);
  items.count_file_items();
  items.add_records();
  saver.first_new = items.first_new;
}

void declare_new_items(LwsSaver &saver) {
  NewItems items(saver);
  items.first_new = saver.first_new;
  items.write_blocks();
}

}  // namespace qbhost
