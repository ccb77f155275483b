// The module descriptor: the one symbol the host reads from the library.
#include <cstdint>

#include "plugin/frame.h"

namespace {

void *module_startup() { return reinterpret_cast<void *>(static_cast<std::uintptr_t>(4)); }

void module_shutdown(void *) {}

ServerRecord g_servers[] = {
    {LWLAYOUTGENERIC_CLASS, "QB:ItemTools", qb::activate_item_tools, nullptr},
    {LWLAYOUTGENERIC_CLASS, "QB:SelectBranch", qb::activate_select_branch, nullptr},
    {LWLAYOUTGENERIC_CLASS, "QB:SelectItem", qb::activate_select_item, nullptr},
    {LWLAYOUTGENERIC_CLASS, "QB:ItemVisible", qb::activate_item_visible, nullptr},
    {LWLAYOUTGENERIC_CLASS, "QB:ObjectReplacer", qb::activate_object_replacer, nullptr},
    {LWLAYOUTGENERIC_CLASS, "QB:NameReplace", qb::activate_name_replace, nullptr},
    {LWLAYOUTGENERIC_CLASS, "QB:ToggleVisible", qb::activate_toggle_visible, nullptr},
    {nullptr, nullptr, nullptr, nullptr},
};

}  // namespace

extern "C" {
__attribute__((visibility("default"))) ModuleDescriptor _mod_descrip = {
    MOD_SYSSYNC, MOD_SYSVER, MOD_MACHINE, module_startup, module_shutdown, g_servers,
};
}
