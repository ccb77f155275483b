#include "bench/support/scene_state.h"

#include <malloc.h>
#include <unistd.h>

#include <fstream>

namespace qbbench {

void SceneState::save(const qbhost::Scene &scene) {
  items_.clear();
  for (qbhost::ItemId id : scene.scene_order()) {
    const qbhost::Item &it = *scene.item(id);
    items_.push_back(Saved{id, it.display, it.active, it.layer, it.name, it.file});
  }
}

void SceneState::restore(qbhost::Scene &scene) const {
  scene.select_only(0);
  for (const Saved &saved : items_) {
    const qbhost::Item &it = *scene.item(saved.id);
    if (it.display != saved.display) scene.set_display(saved.id, saved.display);
    if (it.active != saved.active) scene.set_active(saved.id, saved.active);
    if (it.name != saved.name) scene.rename(saved.id, saved.name);
    if (it.is_object() && (it.file != saved.file || it.layer != saved.layer))
      scene.set_file(saved.id, saved.file, saved.layer);
  }
}

MemoryUse memory_use() {
  MemoryUse use;
  std::ifstream statm("/proc/self/statm");
  std::uint64_t size = 0, resident = 0;
  if (statm >> size >> resident) use.resident = resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
  const struct mallinfo2 info = mallinfo2();
  use.allocated = info.uordblks + info.hblkhd;
  return use;
}

}  // namespace qbbench
