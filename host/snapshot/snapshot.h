// Pictures of panels: an SVG drawing of a panel as the host would show it,
// with its title bar, every control that is not erased at its position with
// its label and value (ghosted ones greyed), multi-lists as tables, and the
// host's own OK and Cancel buttons of a blocking panel.  Texts are decoded
// from the host's code page (Shift-JIS under a Japanese locale).
//
// Besides the drawing, the elements carry what a reader or a test needs:
// the root has data-title, data-width, data-height (the panel's own size)
// and data-controls (how many it has); every drawn control is a
// <g class="control ..."> with data-number, data-type, data-x, data-y,
// data-state, data-label and data-value (a choice control's chosen text in
// data-choice; a multi-list's row count in data-rows).
#pragma once

#include <string>

namespace qbhost {

struct HostState;
struct Panel;

std::string panel_svg(HostState &host, Panel &panel);

// Writes panel_svg() to `path`; false with a message when it cannot.
bool write_panel_svg(HostState &host, Panel &panel, const std::string &path, std::string &error);

}  // namespace qbhost
