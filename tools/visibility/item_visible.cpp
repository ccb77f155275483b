// "QB:ItemVisible": the activation after the frame's common steps.  The
// panel is built at the first activation and kept; later activations bring
// it to the front and open it again with the choices it had.
#include "tools/visibility/item_visible.h"
#include "abi/host_api.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/panel.h"
#include "toolkit/tool_state.h"
#include "tools/tools.h"

namespace qb::item_visible {

int run_item_visible() {
  ItemVisibleState &state = tool_state<ItemVisibleState>();
  LWPanelFuncs *funcs = lwtool2::services().panel;
  if (funcs == nullptr) return AFUNC_BADGLOBAL;
  if (state.panel != nullptr) {
    bring_to_front(funcs, state.panel);
  } else {
    build_item_visible_panel(state);
  }
  if (state.panel == nullptr) return AFUNC_BADGLOBAL;
  for (int row = 0; row < kTypeRowCount; ++row) type_toggle(state, row);
  return funcs->open(state.panel, PANF_NOBUTT) != 0 ? AFUNC_OK : AFUNC_BADGLOBAL;
}

}  // namespace qb::item_visible
