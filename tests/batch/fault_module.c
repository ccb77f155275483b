/*
 * A module that misbehaves on purpose, for the batch's isolation tests.  Its
 * one server, Test:Fault, looks at the scene's objects: an object named
 * "Crash" makes it write through a null pointer, one named "Trap" makes it
 * call a host function no module has business calling, and one named "Count"
 * is renamed Count_N after the N-th activation since the module was loaded,
 * which shows whether a scene got a freshly loaded module.
 */
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "abi/host_api.h"

static int activations;

static int activate(int version, GlobalFunc *global, void *local, void *server_data) {
  (void)version;
  (void)local;
  (void)server_data;
  LWItemInfo *info = (LWItemInfo *)global(LWITEMINFO_GLOBAL, GFUSE_TRANSIENT);
  LWCommandFunc *command = (LWCommandFunc *)global(LWCOMMANDINTERFACE_GLOBAL, GFUSE_TRANSIENT);
  if (info == NULL || command == NULL) return AFUNC_BADGLOBAL;
  ++activations;
  for (LWItemID item = info->first(LWI_OBJECT, LWITEM_NULL); item != LWITEM_NULL; item = info->next(item)) {
    const char *name = info->name(item);
    if (name == NULL) continue;
    if (strcmp(name, "Crash") == 0) *(volatile int *)0 = 1;
    if (strcmp(name, "Trap") == 0) info->target(item);
    if (strcmp(name, "Count") == 0) {
      char text[64];
      snprintf(text, sizeof text, "SelectItem 0x%08x", (unsigned int)(uintptr_t)item);
      command(text);
      snprintf(text, sizeof text, "Rename Count_%d", activations);
      command(text);
    }
  }
  return AFUNC_OK;
}

static void *startup(void) { return &activations; }
static void shutdown(void *server_data) { (void)server_data; }

static ServerRecord servers[] = {
    {LWLAYOUTGENERIC_CLASS, "Test:Fault", activate, NULL},
    {NULL, NULL, NULL, NULL},
};

#if defined(_WIN32)
__declspec(dllexport)
#else
__attribute__((visibility("default")))
#endif
    ModuleDescriptor _mod_descrip = {MOD_SYSSYNC, MOD_SYSVER, MOD_MACHINE, startup, shutdown, servers};
