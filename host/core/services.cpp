// The host services the module looks up by name, and the records behind them.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "abi/service_names.h"
#include "host/core/host_state.h"
#include "host/core/text.h"
#include "host/core/unexpected_call.h"

namespace qbhost {
namespace {

constexpr std::size_t kSnapshotBlock = 1u << 16;  // selection entries per block

ItemId id_of(LWItemID item) { return static_cast<ItemId>(reinterpret_cast<uintptr_t>(item)); }
// Handles past 32 bits name no item (rather than another item's truncated identifier).
bool fits(LWItemID item) { return reinterpret_cast<uintptr_t>(item) <= UINT32_MAX; }
LWItemID handle_of(ItemId id) { return reinterpret_cast<LWItemID>(static_cast<uintptr_t>(id)); }

const Item *item_of(LWItemID handle) {
  HostState *host = current_host();
  if (host == nullptr || handle == LWITEM_NULL || !fits(handle)) return nullptr;
  return host->scene.item(id_of(handle));
}

// ---- "LW Command Interface" and "LW Command Interface 2"

}  // namespace

int host_evaluate(const char *command) {
  HostState *host = current_host();
  if (host == nullptr) return 0;
  const TextCode code = text_code(*host);
  if (command == nullptr) {
    trace_line(*host, "cmd failed (null)");
    return 0;
  }
  const std::string_view text(command);
  bool refused = false;
  for (const std::string &prefix : host->settings.refused) refused = refused || text.starts_with(prefix);
  host->effects.layer_tables.utf8_paths = code == TextCode::Utf8;
  const bool done = !refused && execute_command(host->scene, host->effects, text);
  if (host->settings.command_observer) host->settings.command_observer(text, done);
  if (tracing(*host))
    trace_line(*host, std::string(done ? "cmd ok " : "cmd failed ") + printable(text, code));
  return done ? 1 : 0;
}

namespace {

// The record's data: evaluate answers only for its own record.
int g_command_data;

int command_evaluate(void *data, const char *command_line) {
  if (data != &g_command_data) unexpected_call("LWCommandInterface.evaluate with another record's data");
  return host_evaluate(command_line);
}

LWCommandInterface make_command_interface() {
  LWCommandInterface r{};
  r.data = &g_command_data;
  r.lookup = QBHOST_TRAP(LWCommandInterface, lookup);
  r.execute = QBHOST_TRAP(LWCommandInterface, execute);
  r.evaluate = command_evaluate;
  return r;
}

LWCommandInterface g_command_interface = make_command_interface();

#define QBHOST_TRAP_SLOT(record, Record, member) record.member = QBHOST_TRAP(Record, member)

// ---- "LW Item Info 8"

LWItemID item_first(LWItemType type, LWItemID object) {
  HostState *host = current_host();
  if (host == nullptr || type < LWI_OBJECT || type > LWI_BONE) return LWITEM_NULL;
  return handle_of(host->scene.first(static_cast<ItemType>(type), id_of(object)));
}

// The scene answers 0 for an identifier that names no item.
LWItemID item_next(LWItemID item) {
  HostState *host = current_host();
  return host == nullptr || !fits(item) ? LWITEM_NULL : handle_of(host->scene.next(id_of(item)));
}

LWItemID item_first_child(LWItemID parent) {
  HostState *host = current_host();
  return host == nullptr || !fits(parent) ? LWITEM_NULL : handle_of(host->scene.first_child(id_of(parent)));
}

LWItemID item_next_child(LWItemID parent, LWItemID prev) {
  HostState *host = current_host();
  if (host == nullptr || !fits(parent) || !fits(prev)) return LWITEM_NULL;
  return handle_of(host->scene.next_child(id_of(parent), id_of(prev)));
}

LWItemID item_parent(LWItemID item) {
  HostState *host = current_host();
  return host == nullptr || !fits(item) ? LWITEM_NULL : handle_of(host->scene.parent_of(id_of(item)));
}

const char *item_name(LWItemID item) {
  HostState *host = current_host();
  const char *name = host == nullptr || !fits(item) ? nullptr : host->scene.name_text(id_of(item));
  return name == nullptr || *name == '\0' ? nullptr : name;
}

LWItemType item_type(LWItemID item) {
  HostState *host = current_host();
  ItemType type = ItemType::Object;
  if (host == nullptr || !fits(item) || !host->scene.type_of(id_of(item), type)) return -1;
  return static_cast<LWItemType>(type);
}

unsigned int item_flags(LWItemID item) {
  const Item *it = item_of(item);
  return it != nullptr && it->active ? LWITEMF_ACTIVE : 0u;
}

LWItemInfo9 make_item_info() {
  LWItemInfo9 whole{};
  QBHOST_TRAP_SLOT(whole, LWItemInfo9, rotationOrder);
  QBHOST_TRAP_SLOT(whole, LWItemInfo9, relparam);
  LWItemInfo &r = whole.info;
  r.first = item_first;
  r.next = item_next;
  r.firstChild = item_first_child;
  r.nextChild = item_next_child;
  r.parent = item_parent;
  QBHOST_TRAP_SLOT(r, LWItemInfo, target);
  QBHOST_TRAP_SLOT(r, LWItemInfo, goal);
  r.type = item_type;
  r.name = item_name;
  QBHOST_TRAP_SLOT(r, LWItemInfo, param);
  QBHOST_TRAP_SLOT(r, LWItemInfo, limits);
  QBHOST_TRAP_SLOT(r, LWItemInfo, getTag);
  QBHOST_TRAP_SLOT(r, LWItemInfo, setTag);
  QBHOST_TRAP_SLOT(r, LWItemInfo, chanGroup);
  QBHOST_TRAP_SLOT(r, LWItemInfo, server);
  QBHOST_TRAP_SLOT(r, LWItemInfo, serverFlags);
  QBHOST_TRAP_SLOT(r, LWItemInfo, controller);
  r.flags = item_flags;
  QBHOST_TRAP_SLOT(r, LWItemInfo, lookAhead);
  QBHOST_TRAP_SLOT(r, LWItemInfo, goalStrength);
  QBHOST_TRAP_SLOT(r, LWItemInfo, stiffness);
  QBHOST_TRAP_SLOT(r, LWItemInfo, axisLocks);
  QBHOST_TRAP_SLOT(r, LWItemInfo, maxLookSteps);
  QBHOST_TRAP_SLOT(r, LWItemInfo, reliableDistance);
  QBHOST_TRAP_SLOT(r, LWItemInfo, goalObjective);
  QBHOST_TRAP_SLOT(r, LWItemInfo, ikfkBlending);
  QBHOST_TRAP_SLOT(r, LWItemInfo, ikInitialState);
  QBHOST_TRAP_SLOT(r, LWItemInfo, ikInitialStateFrame);
  QBHOST_TRAP_SLOT(r, LWItemInfo, ikSoft);
  QBHOST_TRAP_SLOT(r, LWItemInfo, pole);
  QBHOST_TRAP_SLOT(r, LWItemInfo, sameItem);
  QBHOST_TRAP_SLOT(r, LWItemInfo, sameItemBlend);
  QBHOST_TRAP_SLOT(r, LWItemInfo, sameItemBlendMethod);
  QBHOST_TRAP_SLOT(r, LWItemInfo, sameItemFlags);
  QBHOST_TRAP_SLOT(r, LWItemInfo, selected);
  QBHOST_TRAP_SLOT(r, LWItemInfo, follow);
  QBHOST_TRAP_SLOT(r, LWItemInfo, controllerTrans);
  QBHOST_TRAP_SLOT(r, LWItemInfo, splineItem);
  QBHOST_TRAP_SLOT(r, LWItemInfo, splineFit);
  QBHOST_TRAP_SLOT(r, LWItemInfo, splineT);
  return whole;
}

// The 2018 generation is served the record's first 320 bytes.
LWItemInfo9 g_item_info = make_item_info();

// ---- "LW Object Info 12"

const char *object_filename(LWItemID object) {
  const Item *it = item_of(object);
  return it == nullptr || !it->is_object() ? nullptr : it->file.c_str();
}

unsigned int object_layer(LWItemID object) {
  const Item *it = item_of(object);
  return it == nullptr || !it->is_object() || it->layer < 0 ? 0u : static_cast<unsigned int>(it->layer);
}

LWObjectInfo14 make_object_info() {
  LWObjectInfo14 whole{};
  QBHOST_TRAP_SLOT(whole, LWObjectInfo14, pntIndex);
  QBHOST_TRAP_SLOT(whole, LWObjectInfo14, polIndex);
  QBHOST_TRAP_SLOT(whole, LWObjectInfo14, boneMode);
  QBHOST_TRAP_SLOT(whole, LWObjectInfo14, numLimitedBones);
  QBHOST_TRAP_SLOT(whole, LWObjectInfo14, numBoneWeightsPnts);
  QBHOST_TRAP_SLOT(whole, LWObjectInfo14, boneWeights);
  LWObjectInfo &r = whole.info;
  r.filename = object_filename;
  QBHOST_TRAP_SLOT(r, LWObjectInfo, numPoints);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, numPolygons);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, shadowOpts);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, dissolve);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, meshInfo);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, flags);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, fog);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, dispMap);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, clipMap);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, patchLevel);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, metaballRes);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, boneSource);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, morphTarget);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, morphAmount);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, edgeOpts);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, edgeColor);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, subdivOrder);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, polygonSize);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, excluded);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, matteColor);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, thickness);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, edgeZScale);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, shrinkEdgesNominalDistance);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, maxDissolveDistance);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, bumpDistance);
  r.getGroupIndex = object_layer;
  QBHOST_TRAP_SLOT(r, LWObjectInfo, dispMapOrder);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, bumpOrder);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, getNodeEditor);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, nodeOrder);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, bounds);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, shadowoffsetdistance);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, instancer);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, getEdgeNodeEditor);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, layerLoaded);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, getAlphaValue);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, giMode);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, bruteForceRays);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, primaryRays);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, secondaryRays);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, missingSampleRays);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, angularTolerance);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, minimumPixelSpacing);
  QBHOST_TRAP_SLOT(r, LWObjectInfo, maximumPixelSpacing);
  return whole;
}

LWObjectInfo14 g_object_info = make_object_info();

// ---- "LW Interface Info 7"

int item_visibility(LWItemID item) {
  const Item *it = item_of(item);
  return it == nullptr ? 0 : it->display;
}

bool same_items(const LWItemID *array, const std::vector<ItemId> &selection) {
  for (ItemId id : selection)
    if (*array++ != handle_of(id)) return false;
  return *array == LWITEM_NULL;
}

const LWItemID *selection_array(HostState &host) {
  SnapshotStore &store = host.snapshots;
  const auto &selection = host.scene.selection();
  const uint64_t version = host.scene.selection_version();
  if (store.last_array != nullptr &&
      ((version == store.last_version && selection.size() == store.last_size) ||
       same_items(store.last_array, selection))) {
    store.last_version = version;
    return store.last_array;
  }
  const std::size_t need = selection.size() + 1;
  if (store.blocks.empty() || store.block_used + need > store.block_size) {
    store.block_size = need > kSnapshotBlock ? need : kSnapshotBlock;
    store.blocks.push_back(std::make_unique<LWItemID[]>(store.block_size));
    store.block_used = 0;
  }
  LWItemID *array = store.blocks.back().get() + store.block_used;
  store.block_used += need;
  for (std::size_t i = 0; i < selection.size(); ++i) array[i] = handle_of(selection[i]);
  array[selection.size()] = LWITEM_NULL;
  store.last_array = array;
  store.last_version = version;
  store.last_size = selection.size();
  return array;
}

LWInterfaceInfo8 &next_record(SnapshotStore &store) {
  const std::size_t block = store.records_used / SnapshotStore::kRecordBlock;
  if (block == store.record_blocks.size())
    store.record_blocks.push_back(std::make_unique<LWInterfaceInfo8[]>(SnapshotStore::kRecordBlock));
  LWInterfaceInfo8 &record = store.record_blocks[block][store.records_used++ % SnapshotStore::kRecordBlock];
  record = LWInterfaceInfo8{};
  return record;
}

// A 2020 record, of which the 2018 generation is served the first 128 bytes.
LWInterfaceInfo *new_snapshot(HostState &host) {
  LWInterfaceInfo8 &whole = next_record(host.snapshots);
  QBHOST_TRAP_SLOT(whole, LWInterfaceInfo8, DPIScalar);
  LWInterfaceInfo &record = whole.info;
  record.curTime = 0.0;
  record.selItems = selection_array(host);
  QBHOST_TRAP_SLOT(record, LWInterfaceInfo, itemFlags);
  record.previewStart = 0;
  record.previewEnd = 60;
  record.previewStep = 1;
  QBHOST_TRAP_SLOT(record, LWInterfaceInfo, schemaPos);
  record.itemVis = item_visibility;
  record.generalFlags = host.scene.general_flags;
  QBHOST_TRAP_SLOT(record, LWInterfaceInfo, itemColor);
  QBHOST_TRAP_SLOT(record, LWInterfaceInfo, setItemColorIndex);
  QBHOST_TRAP_SLOT(record, LWInterfaceInfo, setItemColorCustom);
  QBHOST_TRAP_SLOT(record, LWInterfaceInfo, defaultItemTypeColor);
  QBHOST_TRAP_SLOT(record, LWInterfaceInfo, itemColorRgba);
  QBHOST_TRAP_SLOT(record, LWInterfaceInfo, itemIconScale);
  return &record;
}

// Names the module knows but never uses answer this: not null, never read.
alignas(16) unsigned char g_placeholder[256];

bool is_listed(std::string_view name, qb::Generation generation, unsigned model_year) {
  for (std::string_view known : qb::kServiceTableNames)
    if (qb::service_name(generation, known, model_year) == name) return true;
  for (std::string_view known : qb::kLwtool2ServiceNames)
    if (qb::service_name(generation, known, model_year) == name) return true;
  return name == LWPRODUCTINFO_GLOBAL || name == LWLOCALEINFO_GLOBAL;
}

void *number(uint32_t value) { return reinterpret_cast<void *>(static_cast<uintptr_t>(value)); }

// The working records under their 2018 names; null when `service` is none of them.
void *served_2018(HostState &host, std::string_view service) {
  if (service == LWCOMMANDINTERFACE_GLOBAL) return reinterpret_cast<void *>(&host_evaluate);
  if (service == LWINTERFACEINFO_GLOBAL) return new_snapshot(host);
  if (service == LWITEMINFO_GLOBAL) return &g_item_info.info;
  if (service == LWOBJECTINFO_GLOBAL) return &g_object_info.info;
  if (service == LWPANELFUNCS_GLOBAL) return panel_funcs();
  return nullptr;
}

// The same under their 2020 names.
void *served_2020(HostState &host, std::string_view service) {
  if (service == LWCOMMANDINTERFACE_GLOBAL_2020) return &g_command_interface;
  if (service == LWINTERFACEINFO_GLOBAL_2020) return new_snapshot(host);
  if (service == LWITEMINFO_GLOBAL_2020) return &g_item_info;
  if (service == LWOBJECTINFO_GLOBAL_2020) return &g_object_info;
  if (service == LWPANELFUNCS_GLOBAL_2020) return panel_funcs_2020();
  return nullptr;
}

}  // namespace

void *host_global(const char *name, int) {
  HostState *host = current_host();
  if (host == nullptr) return nullptr;
  if (host->settings.trace_lookups && tracing(*host))
    trace_line(*host,
               std::string("lookup ") + (name == nullptr ? "(null)" : printable(name, text_code(*host))));
  if (name == nullptr) return nullptr;
  const std::string_view service(name);
  if (host->settings.missing.count(service) != 0) return nullptr;
  if (auto vanishing = host->settings.missing_after.find(service);
      vanishing != host->settings.missing_after.end()) {
    if (vanishing->second == 0) return nullptr;
    --vanishing->second;
  }
  const uint32_t product = product_value(host->settings);
  if (service == LWPRODUCTINFO_GLOBAL) return number(product);
  if (service == LWLOCALEINFO_GLOBAL) return number(host->settings.locale);
  const qb::Generation generation = host->settings.generation;
  void *record =
      generation == qb::Generation::Layout2020 ? served_2020(*host, service) : served_2018(*host, service);
  if (record != nullptr) return record;
  return is_listed(service, generation, LWINF_GETMODELYEAR(product)) ? g_placeholder : nullptr;
}

void drop_snapshots(HostState &host) {
  SnapshotStore kept;
  kept.record_blocks = std::move(host.snapshots.record_blocks);
  host.snapshots = std::move(kept);
}

[[noreturn]] void unexpected_call(const char *slot) {
  if (HostState *host = current_host(); host != nullptr && host->trace != nullptr) host->trace->flush();
  std::fflush(nullptr);
  std::fprintf(stderr, "host: unexpected call of %s\n", slot);
  std::fflush(stderr);
  std::_Exit(3);
}

}  // namespace qbhost
