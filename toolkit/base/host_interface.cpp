#include "toolkit/base/host_interface.h"

namespace qb {
namespace {

Generation g_generation = Generation::Layout2018;
unsigned g_model_year = 0;

}  // namespace

Generation host_generation() noexcept { return g_generation; }
unsigned host_model_year() noexcept { return g_model_year; }

void set_host_interface(Generation generation, unsigned model_year) noexcept {
  g_generation = generation;
  g_model_year = model_year;
}

const char *host_service(const char *listed) noexcept {
  // Every name service_name() answers is a literal, or `listed` itself.
  return service_name(g_generation, listed, g_model_year).data();
}

CommandPort command_port(void *service) noexcept {
  CommandPort port;
  if (g_generation == Generation::Layout2020) port.record = static_cast<LWCommandInterface *>(service);
  else port.function = reinterpret_cast<LWCommandFunc *>(service);
  return port;
}

}  // namespace qb
