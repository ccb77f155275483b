// User actions on headless panels.
#include "host/panels/user_actions.h"

#include <cstdint>

#include "host/core/host_state.h"
#include "host/core/text.h"
#include "host/script/script_words.h"

namespace qbhost {
namespace {

Control *user_control(HostState &host, int number, std::string &error) {
  Panel *panel = topmost_panel(host);
  if (panel == nullptr) {
    error = "no panel is open";
    return nullptr;
  }
  if (number < 1 || static_cast<std::size_t>(number) > panel->controls.size()) {
    error = "panel " + quoted(panel->title, text_code(host)) + " has no control " + std::to_string(number) +
            " (it has " + std::to_string(panel->controls.size()) + ")";
    return nullptr;
  }
  return panel->controls[static_cast<std::size_t>(number) - 1];
}

// A ghosted or erased control cannot be used: say so in the trace.
bool takes_action(HostState &host, const Control &control) {
  if (control.draw_mode == DR_RENDER) return true;
  trace_line(host, "no action: control " + std::to_string(control.number) + " " +
                       quoted(control.label, text_code(host)) +
                       (control.draw_mode == DR_GHOST ? " is ghosted" : " is erased"));
  return false;
}

// The callback is module code: while it runs, the module is busy (no
// activation or unload from a modal panel it opens).
void fire(HostState &host, Control &control) {
  if (control.event == nullptr) return;
  ++host.module_depth;
  control.event(&control.handle, control.user_data);
  --host.module_depth;
}

std::string trim_right(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

bool user_set(HostState &host, int number, const std::string &value, std::string &error) {
  Control *control = user_control(host, number, error);
  if (control == nullptr) return false;
  if (control->kind == ValueKind::Text) {
    std::string text;
    if (!to_host_text(value, text_code(host), text)) {
      error = "the text cannot be written in Shift-JIS";
      return false;
    }
    if (!takes_action(host, *control)) return true;
    control->text_value = text;
  } else {
    long long number_value = 0;
    if (!parse_number(value, number_value) || number_value < INT32_MIN || number_value > INT32_MAX) {
      error = "control " + std::to_string(number) + " takes a number, not '" + value + "'";
      return false;
    }
    const auto choices = static_cast<long long>(control->choices.size());
    if (control->desc_type == LWT_CHOICE && choices > 0 && (number_value < 0 || number_value >= choices)) {
      error = "control " + std::to_string(number) + " has choices 0 to " + std::to_string(choices - 1);
      return false;
    }
    if (!takes_action(host, *control)) return true;
    control->int_value = static_cast<int>(number_value);
  }
  fire(host, *control);
  return true;
}

bool user_press(HostState &host, int number, std::string &error) {
  Control *control = user_control(host, number, error);
  if (control == nullptr) return false;
  if (takes_action(host, *control)) fire(host, *control);
  return true;
}

bool user_button(HostState &host, UserButton button, std::string &error) {
  Panel *panel = topmost_panel(host);
  if (panel == nullptr) {
    error = "no panel is open";
    return false;
  }
  const bool has_buttons = (panel->flags & PANF_NOBUTT) == 0;
  const bool has_cancel = has_buttons && (panel->flags & PANF_CANCEL) != 0;
  const std::string title = quoted(panel->title, text_code(host));
  switch (button) {
    case UserButton::Ok:
      if (!has_buttons) {
        error = "panel " + title + " has no OK button";
        return false;
      }
      user_closes(host, *panel, 1);
      return true;
    case UserButton::Cancel:
      if (!has_cancel) {
        error = "panel " + title + " has no Cancel button";
        return false;
      }
      user_closes(host, *panel, 0);
      return true;
    case UserButton::Close: user_closes(host, *panel, close_result(*panel)); return true;
  }
  return false;
}

Panel *find_panel_for_print(HostState &host, const std::string &title, std::string &error) {
  if (title.empty()) {
    Panel *panel = topmost_panel(host);
    if (panel == nullptr) error = "no panel is open";
    return panel;
  }
  std::string wanted;
  if (!to_host_text(title, text_code(host), wanted)) wanted = title;
  Panel *panel = panel_by_title(host, wanted);
  if (panel == nullptr) {
    for (auto it = host.panels.rbegin(); it != host.panels.rend() && panel == nullptr; ++it)
      if (!(*it)->destroyed && trim_right((*it)->title) == trim_right(wanted)) panel = it->get();
  }
  if (panel == nullptr) error = "no panel titled " + quoted(title, TextCode::Plain);
  return panel;
}

}  // namespace qbhost
