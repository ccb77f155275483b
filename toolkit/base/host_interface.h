// The host generation of the running activation, chosen by the activation
// frame from the interface version the host activated the server with: 6 is
// the 2018 generation, 7 the 2020 one (Layout 2020 to 2025), which serves its
// services under other names and takes commands through a record.  Both
// library layers look services up through host_service() and hand commands
// to send.h with a CommandPort, so that neither needs to know which it runs in.
#pragma once

#include "abi/host_api.h"
#include "abi/service_names.h"

namespace qb {

// The generation and the host's model year ("Product Info" bits 24-29) of the
// running activation; the 2018 generation until an activation says otherwise.
Generation host_generation() noexcept;
unsigned host_model_year() noexcept;
void set_host_interface(Generation generation, unsigned model_year) noexcept;

// The name under which the running host serves the service listed (in
// abi/service_names.h) as `listed`; `listed` itself where the names agree.
const char *host_service(const char *listed) noexcept;

// Where command texts go: the bare function of "LW Command Interface" (2018)
// or the record of "LW Command Interface 2" (2020).  Both answer non-zero
// for a command done and 0 for one refused.  Only send.cpp calls a port: it
// keeps the buffer's length rule.
struct CommandPort {
  LWCommandFunc *function = nullptr;
  LWCommandInterface *record = nullptr;

  explicit operator bool() const { return function != nullptr || record != nullptr; }
  int operator()(const char *text) const {
    if (record != nullptr) return record->evaluate(record->data, text);
    return function == nullptr ? 0 : function(text);
  }
};

// The port of an answer to the command service's lookup in the running
// generation (null: none).
CommandPort command_port(void *service) noexcept;

// The command port of the layer that serves the running activation, for what
// is sent whichever layer that is (the guard's report of an exception): each
// layer names its port here when it has looked its services up, and a
// layer's reset forgets it (an empty port).
void set_current_command_port(CommandPort port) noexcept;
CommandPort current_command_port() noexcept;

}  // namespace qb
