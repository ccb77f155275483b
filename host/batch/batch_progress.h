// What the batch says on standard error while it runs: a line per scene as it
// finishes, and on a terminal a progress bar below them (scenes done of all,
// time taken, the scene last started), redrawn in place.
#pragma once

#include <chrono>
#include <cstddef>
#include <mutex>
#include <ostream>
#include <string>

namespace qbhost::batch {

class Progress {
 public:
  Progress(std::ostream &out, std::size_t total, bool terminal);
  void started(const std::string &scene);
  void finished(const std::string &line);
  void end();  // takes the bar away

 private:
  void draw();
  void clear();
  std::mutex mutex_;
  std::ostream &out_;
  std::size_t total_ = 0, done_ = 0;
  bool terminal_ = false;
  std::string current_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace qbhost::batch
