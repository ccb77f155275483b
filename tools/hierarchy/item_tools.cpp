// "QB:ItemTools": opens the non-blocking item tools panel, built at the
// first activation and reused afterwards.
#include "toolkit/services.h"
#include "tools/hierarchy/item_tools_state.h"
#include "tools/tools.h"

namespace qb {

ItemToolsState &item_tools_state() {
  static ItemToolsState state;
  return state;
}

int run_item_tools() {
  ItemToolsState &state = item_tools_state();
  LWPanelFuncs *funcs = service_table().panel;
  if (funcs == nullptr) return AFUNC_BADGLOBAL;
  if (state.panel == nullptr && !build_item_tools_panel(state, funcs)) return AFUNC_BADGLOBAL;
  if (state.open) return AFUNC_OK;
  return funcs->open(state.panel, PANF_NOBUTT) != 0 ? AFUNC_OK : AFUNC_BADGLOBAL;
}

}  // namespace qb
