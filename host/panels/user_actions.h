// What the user does on the topmost open panel: set a control's value, press
// it, or close the panel with OK, Cancel or its window's close.
#pragma once

#include <string>

namespace qbhost {

struct HostState;
struct Panel;

enum class UserButton { Ok, Cancel, Close };

// Each answers false with a message when the action cannot be done (no open
// panel, no such control, a value of the wrong form, no such button).  A
// ghosted or erased control takes no action: a trace line says so, and the
// answer is true.
bool user_set(HostState &host, int control, const std::string &value, std::string &error);
bool user_press(HostState &host, int control, std::string &error);
bool user_button(HostState &host, UserButton button, std::string &error);

// The panel `print panel` shows: the topmost open one for an empty title,
// else the one of that title (also when written without its trailing blanks).
Panel *find_panel_for_print(HostState &host, const std::string &title, std::string &error);

}  // namespace qbhost
