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

// ---- "LW Command Interface"

}  // namespace

int host_evaluate(const char *command) {
  HostState *host = current_host();
  if (host == nullptr) return 0;
  const bool japanese_text = japanese(*host);
  if (command == nullptr) {
    trace_line(*host, "cmd failed (null)");
    return 0;
  }
  const std::string_view text(command);
  bool refused = false;
  for (const std::string &prefix : host->settings.refused) refused = refused || text.starts_with(prefix);
  const bool done = !refused && execute_command(host->scene, host->effects, text);
  if (host->settings.command_observer) host->settings.command_observer(text, done);
  if (tracing(*host)) trace_line(*host, std::string(done ? "cmd ok " : "cmd failed ") + printable(text, japanese_text));
  return done ? 1 : 0;
}

namespace {

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

LWItemInfo make_item_info() {
  LWItemInfo r{};
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
  return r;
}

LWItemInfo g_item_info = make_item_info();

// ---- "LW Object Info 12"

const char *object_filename(LWItemID object) {
  const Item *it = item_of(object);
  return it == nullptr || !it->is_object() ? nullptr : it->file.c_str();
}

unsigned int object_layer(LWItemID object) {
  const Item *it = item_of(object);
  return it == nullptr || !it->is_object() || it->layer < 0 ? 0u : static_cast<unsigned int>(it->layer);
}

LWObjectInfo make_object_info() {
  LWObjectInfo r{};
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
  return r;
}

LWObjectInfo g_object_info = make_object_info();

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

LWInterfaceInfo &next_record(SnapshotStore &store) {
  const std::size_t block = store.records_used / SnapshotStore::kRecordBlock;
  if (block == store.record_blocks.size())
    store.record_blocks.push_back(std::make_unique<LWInterfaceInfo[]>(SnapshotStore::kRecordBlock));
  LWInterfaceInfo &record = store.record_blocks[block][store.records_used++ % SnapshotStore::kRecordBlock];
  record = LWInterfaceInfo{};
  return record;
}

LWInterfaceInfo *new_snapshot(HostState &host) {
  LWInterfaceInfo &record = next_record(host.snapshots);
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

bool is_listed(std::string_view name) {
  for (std::string_view known : qb::kServiceTableNames)
    if (known == name) return true;
  for (std::string_view known : qb::kLwtool2ServiceNames)
    if (known == name) return true;
  return name == LWPRODUCTINFO_GLOBAL || name == LWLOCALEINFO_GLOBAL;
}

void *number(uint32_t value) { return reinterpret_cast<void *>(static_cast<uintptr_t>(value)); }

}  // namespace

void *host_global(const char *name, int) {
  HostState *host = current_host();
  if (host == nullptr) return nullptr;
  if (host->settings.trace_lookups && tracing(*host))
    trace_line(*host, std::string("lookup ") + (name == nullptr ? "(null)" : printable(name, japanese(*host))));
  if (name == nullptr) return nullptr;
  const std::string_view service(name);
  if (host->settings.missing.count(service) != 0) return nullptr;
  if (auto vanishing = host->settings.missing_after.find(service); vanishing != host->settings.missing_after.end()) {
    if (vanishing->second == 0) return nullptr;
    --vanishing->second;
  }
  if (service == LWPRODUCTINFO_GLOBAL) return number(host->settings.product);
  if (service == LWLOCALEINFO_GLOBAL) return number(host->settings.locale);
  if (service == LWCOMMANDINTERFACE_GLOBAL) return reinterpret_cast<void *>(&host_evaluate);
  if (service == LWINTERFACEINFO_GLOBAL) return new_snapshot(*host);
  if (service == LWITEMINFO_GLOBAL) return &g_item_info;
  if (service == LWOBJECTINFO_GLOBAL) return &g_object_info;
  if (service == LWPANELFUNCS_GLOBAL) return panel_funcs();
  return is_listed(service) ? g_placeholder : nullptr;
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
