// What the tools change in a scene (display codes, active flags, names, the
// file and layer of objects, the selection), saved once and put back before
// every timed run, so that every run, and its floor, starts from the same
// scene and sends the same commands.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/scene/scene.h"

namespace qbbench {

class SceneState {
 public:
  void save(const qbhost::Scene &scene);
  void restore(qbhost::Scene &scene) const;  // the selection is emptied

 private:
  struct Saved {
    qbhost::ItemId id;
    int display;
    bool active;
    int layer;
    std::string name;
    std::string file;
  };
  std::vector<Saved> items_;
};

// Resident memory of the process and the bytes the allocator has handed out.
struct MemoryUse {
  std::uint64_t resident = 0;
  std::uint64_t allocated = 0;
};
MemoryUse memory_use();

}  // namespace qbbench
