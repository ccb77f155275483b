// "QB:ItemTools": opens the non-blocking item tools panel, built at the
// first activation and reused afterwards.
#include "toolkit/services.h"
#include "toolkit/tool_state.h"
#include "tools/hierarchy/item_tools_state.h"
#include "tools/tools.h"

namespace qb::hierarchy {

int run_item_tools() {
  ItemToolsState &state = tool_state<ItemToolsState>();
  LWPanelFuncs *funcs = service_table().panel;
  if (funcs == nullptr) return AFUNC_BADGLOBAL;
  if (state.panel == nullptr && !build_item_tools_panel(state, funcs)) return AFUNC_BADGLOBAL;
  if (state.open) return AFUNC_OK;
  return funcs->open(state.panel, PANF_NOBUTT) != 0 ? AFUNC_OK : AFUNC_BADGLOBAL;
}

}  // namespace qb::hierarchy
