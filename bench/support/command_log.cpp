#include "bench/support/command_log.h"

#include "host/core/host.h"

namespace qbbench {

void CommandLog::clear() {
  bytes_.clear();
  starts_.clear();
}

void CommandLog::add(std::string_view command) {
  starts_.push_back(bytes_.size());
  bytes_.append(command);
  bytes_.push_back('\0');
}

CommandRecorder::CommandRecorder(qbhost::Host &host, CommandLog &log) : host_(host) {
  log.clear();
  host_.settings().command_observer = [&log](std::string_view command, bool) { log.add(command); };
}

CommandRecorder::~CommandRecorder() { host_.settings().command_observer = nullptr; }

void replay(qbhost::Host &host, const CommandLog &log) {
  for (std::size_t i = 0; i < log.size(); ++i) host.evaluate(log.at(i));
}

}  // namespace qbbench
