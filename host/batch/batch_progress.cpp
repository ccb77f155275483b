#include "host/batch/batch_progress.h"

#include <cstdio>

namespace qbhost::batch {

namespace {
constexpr std::size_t kBarWidth = 24;
constexpr std::size_t kSceneWidth = 40;  // the scene's name, its tail when longer
}  // namespace

Progress::Progress(std::ostream &out, std::size_t total, bool terminal)
    : out_(out), total_(total), terminal_(terminal) {}

void Progress::started(const std::string &scene) {
  std::lock_guard<std::mutex> hold(mutex_);
  current_ = scene;
  if (terminal_) draw();
}

void Progress::finished(const std::string &line) {
  std::lock_guard<std::mutex> hold(mutex_);
  ++done_;
  if (terminal_) clear();
  out_ << line << "\n";
  if (terminal_) draw();
  out_.flush();
}

void Progress::end() {
  std::lock_guard<std::mutex> hold(mutex_);
  if (terminal_) clear();
  out_.flush();
}

void Progress::clear() { out_ << "\r\x1b[K"; }

void Progress::draw() {
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start_).count();
  const std::size_t filled = total_ == 0 ? kBarWidth : done_ * kBarWidth / total_;
  std::string scene = current_;
  if (scene.size() > kSceneWidth) scene = "..." + scene.substr(scene.size() - (kSceneWidth - 3));
  char elapsed[32];
  std::snprintf(elapsed, sizeof elapsed, "%lld:%02lld", static_cast<long long>(seconds / 60),
                static_cast<long long>(seconds % 60));
  clear();
  out_ << "[" << std::string(filled, '#') << std::string(kBarWidth - filled, '.') << "] " << done_ << "/"
       << total_ << " " << elapsed << " " << scene;
  out_.flush();
}

}  // namespace qbhost::batch
