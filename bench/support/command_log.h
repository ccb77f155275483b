// The command texts one tool run sent to the host, kept in one block so that
// millions of them cost little more than their bytes, and replayed as the
// floor of that tool: the same commands to the same host, with nothing of
// the module in between.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qbhost {
class Host;
}

namespace qbbench {

class CommandLog {
 public:
  void clear();
  void add(std::string_view command);
  std::size_t size() const { return starts_.size(); }
  const char *at(std::size_t i) const { return bytes_.data() + starts_[i]; }

 private:
  std::string bytes_;  // NUL-terminated texts one after another
  std::vector<std::uint64_t> starts_;
};

// Records every command the host executes until stop() (or destruction).
class CommandRecorder {
 public:
  CommandRecorder(qbhost::Host &host, CommandLog &log);
  ~CommandRecorder();
  CommandRecorder(const CommandRecorder &) = delete;
  CommandRecorder &operator=(const CommandRecorder &) = delete;

 private:
  qbhost::Host &host_;
};

// Sends every command of the log to the host, in order.
void replay(qbhost::Host &host, const CommandLog &log);

}  // namespace qbbench
