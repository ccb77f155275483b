// A panel picture: the window with its title bar, the controls in creation
// order (a later one drawn over an earlier one, as they overlap on screen),
// and the host's own buttons under a blocking panel.  The window is the size
// the module gave the panel, grown where controls reach past it, so that
// nothing the module placed is cut off.
#include "host/snapshot/snapshot.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "host/core/host_state.h"
#include "host/core/text.h"
#include "host/snapshot/snapshot_draw.h"

namespace qbhost {
namespace {

constexpr int kTitleBar = 24;
constexpr int kMargin = 8;
constexpr int kButtonStrip = 36;
constexpr int kHostButtonWidth = 80;

// Monospaced Latin text keeps to the host's 8 pixels a byte; the Japanese
// fonts (Debian's fonts-ipafont-gothic or fonts-noto-cjk) draw Shift-JIS
// characters, two bytes each, within 16 pixels.
constexpr std::string_view kStyle = R"(
text { font-family: DejaVu Sans Mono, IPAGothic, Noto Sans Mono CJK JP, Noto Sans CJK JP, monospace; font-size: 13px; fill: #1e1e1e; }
.window { fill: #c8c8c8; stroke: #505050; }
.title-bar { fill: #3d5a80; }
.title { fill: #ffffff; font-weight: bold; }
.border { fill: none; stroke: #8c8c8c; }
.body { fill: #e4e4e4; stroke: #6e6e6e; }
.field, .list { fill: #ffffff; }
.button, .host-button { fill: #dcdcdc; stroke: #6e6e6e; }
.toggle.on { fill: #9db8dc; stroke: #2f4d78; stroke-width: 2; }
.mark { fill: none; stroke: #1e1e1e; stroke-width: 2; }
.dot, .arrow, .image { fill: #3c3c3c; }
.list-head { fill: #d4d4d4; stroke: #6e6e6e; }
.heading text { font-weight: bold; }
.stripe { fill: #edf1f6; }
.column { stroke: #b4b4b4; }
.scroll { fill: #d8d8d8; }
.thumb { fill: #9a9a9a; }
.ghosted text { fill: #909090; }
.ghosted .body { fill: #d4d4d4; stroke: #a6a6a6; }
.ghosted .dot, .ghosted .arrow, .ghosted .image { fill: #a6a6a6; }
.ghosted .mark { stroke: #a6a6a6; }
.ghosted .toggle.on { fill: #c4d0e0; stroke: #8a9ab0; }
)";

std::string num(int value) { return std::to_string(value); }

// A blocking panel gets the host's OK button, and Cancel when asked for.
std::vector<std::string> host_buttons(const Panel &panel) {
  if (!panel.open || (panel.flags & PANF_BLOCKING) == 0 || (panel.flags & PANF_NOBUTT) != 0) return {};
  if ((panel.flags & PANF_CANCEL) != 0) return {"OK", "Cancel"};
  return {"OK"};
}

void draw_host_buttons(svg::Writer &out, const std::vector<std::string> &buttons, int width, int top) {
  if (buttons.empty()) return;
  out.open("g", {{"class", "host-buttons"}});
  out.empty("line", {{"class", "border"},
                     {"x1", num(kMargin)},
                     {"y1", num(top)},
                     {"x2", num(width - kMargin)},
                     {"y2", num(top)}});
  int x = width - kMargin - static_cast<int>(buttons.size()) * (kHostButtonWidth + kMargin) + kMargin;
  for (const std::string &label : buttons) {
    out.empty("rect", {{"class", "host-button"},
                       {"x", num(x)},
                       {"y", num(top + 8)},
                       {"width", num(kHostButtonWidth)},
                       {"height", num(picture::kControlHeight)}});
    out.text("text",
             {{"class", "label"},
              {"x", num(x + kHostButtonWidth / 2)},
              {"y", num(top + 8 + picture::kTextBaseline)},
              {"text-anchor", "middle"}},
             label);
    x += kHostButtonWidth + kMargin;
  }
  out.close("g");
}

}  // namespace

std::string panel_svg(HostState &host, Panel &panel) {
  const TextCode jp = text_code(host);
  const std::string title = printable(panel.title, jp);

  svg::Writer controls;
  picture::Bounds bounds;
  picture::Canvas canvas{controls, bounds, jp};
  for (const Control *control : panel.controls) picture::draw_control(canvas, *control);
  bounds.add(0, 0, std::clamp(panel.width, 0, picture::kMaxExtent),
             std::clamp(panel.height, 0, picture::kMaxExtent));

  const std::vector<std::string> buttons = host_buttons(panel);
  const int content_height = bounds.bottom - bounds.top + 2 * kMargin;
  const int title_width = picture::label_width(panel.title) + 2 * kMargin;
  const int buttons_width = static_cast<int>(buttons.size()) * (kHostButtonWidth + kMargin) + kMargin;
  const int width = std::max({bounds.right - bounds.left + 2 * kMargin, title_width, buttons_width});
  const int height = kTitleBar + content_height + (buttons.empty() ? 0 : kButtonStrip);

  svg::Writer out;
  out.raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  out.open("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
                   {"width", num(width)},
                   {"height", num(height)},
                   {"viewBox", "0 0 " + num(width) + " " + num(height)},
                   {"xml:space", "preserve"},
                   {"data-title", title},
                   {"data-width", num(panel.width)},
                   {"data-height", num(panel.height)},
                   {"data-controls", num(static_cast<int>(panel.controls.size()))},
                   {"data-open", panel.open ? "open" : "closed"},
                   {"data-flags", num(panel.flags)}});
  out.text("title", {}, title);
  out.text("style", {}, kStyle);
  out.empty("rect", {{"class", "window"},
                     {"x", "0.5"},
                     {"y", "0.5"},
                     {"width", num(width - 1)},
                     {"height", num(height - 1)}});
  out.empty("rect", {{"class", "title-bar"},
                     {"x", "1"},
                     {"y", "1"},
                     {"width", num(width - 2)},
                     {"height", num(kTitleBar - 1)}});
  out.text("text", {{"class", "title"}, {"x", num(kMargin)}, {"y", num(17)}}, title);
  out.open("g", {{"class", "panel"},
                 {"transform", "translate(" + num(kMargin - bounds.left) + "," +
                                   num(kTitleBar + kMargin - bounds.top) + ")"}});
  out.raw(controls.out);
  out.close("g");
  draw_host_buttons(out, buttons, width, kTitleBar + content_height);
  out.close("svg");
  return out.out;
}

bool write_panel_svg(HostState &host, Panel &panel, const std::string &path, std::string &error) {
  const std::string picture = panel_svg(host, panel);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (file) file.write(picture.data(), static_cast<std::streamsize>(picture.size()));
  if (file) file.close();
  if (!file) {
    error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace qbhost
