// The rename run.  It talks to the host's command function itself: a refused
// "SelectItem" means the item must not be renamed (the host would rename
// whatever is selected instead), and is passed over without a message.
#include "tools/rename/rename_engine.h"

#include <cstdarg>
#include <cstdio>
#include <optional>
#include <regex>

#include "toolkit/files.h"
#include "toolkit/items/items.h"
#include "toolkit/lwtool2/eval.h"
#include "toolkit/lwtool2/items.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/text/format.h"
#include "tools/rename/new_name.h"

namespace qb::rename {
namespace {

// Commands pass through a buffer of this size, as the host's command line does.
constexpr std::size_t kCommandBufferSize = 512;

struct CommandText {
  char text[kCommandBufferSize] = {};
  bool fits = false;
};

CommandText compose(const char *format, ...) __attribute__((format(printf, 1, 2)));

CommandText compose(const char *format, ...) {
  CommandText command;
  va_list args;
  va_start(args, format);
  const int written = std::vsnprintf(command.text, sizeof command.text, format, args);
  va_end(args);
  command.fits = written >= 0 && static_cast<std::size_t>(written) < sizeof command.text;
  return command;
}

// The host's result: non-zero when the command was carried out.
int send(const CommandText &command) {
  const qb::CommandPort evaluate = lwtool2::services().command;
  if (!command.fits || !evaluate) return 0;
  return evaluate(command.text);
}

// Without the host's item record no item can be told apart or named.
bool type_is_wanted(const RenameSettings &settings, LWItemID item) {
  LWItemInfo *info = lwtool2::services().item_info;
  if (info == nullptr) return false;
  switch (info->type(item)) {
    case LWI_OBJECT:
      // Only objects loaded from a .lwo file are meshes, and meshes keep
      // their names; every other object is a null.
      return object_lacks_file_path(item) == 1 && settings.include_null != 0;
    case LWI_LIGHT:
      return settings.include_light != 0;
    case LWI_CAMERA:
      return settings.include_camera != 0;
    case LWI_BONE:
      return settings.include_bone != 0;
    default:
      return true;
  }
}

lwtool2::HashedItemList target_list(Scope scope) {
  lwtool2::HashedItemList targets;
  if (scope == Scope::kSelection) lwtool2::append_selection(targets);
  if (scope == Scope::kSelectionWithChildren) lwtool2::append_selection_with_descendants(targets);
  if (scope == Scope::kAllItems) lwtool2::append_scene_items(targets);
  return targets;
}

// Empty when the item keeps its name.
std::string new_name_of(const RenameSettings &settings, const std::string &w, const Regex *pattern) {
  try {
    std::string v = compute_new_name(settings, w, pattern);
    return v == w ? std::string() : v;
  } catch (const std::regex_error &) {
    // The matcher gave up on this name (too complex); the others may still go.
    return std::string();
  }
}

void rename_target(const RenameSettings &settings, LWItemID item, const Regex *pattern) {
  if (!type_is_wanted(settings, item)) return;
  const std::string w = working_name(lwtool2::item_name(item));
  if (w.empty()) return;
  const std::string v = new_name_of(settings, w, pattern);
  if (v.empty()) return;
  // A name too long for the command line is left alone rather than cut.
  const CommandText rename = compose("Rename %s", v.c_str());
  if (!rename.fits) return;
  if (send(compose("SelectItem 0x%x", item_id_bits(item))) == 0) return;
  send(rename);
}

void report_progress(std::size_t i, std::size_t n) {
  const float fraction = n == 1 ? 1.0f : static_cast<float>(i) / static_cast<float>(n - 1);
  send(compose("StatusMsg {%.2f}%s: Renaming...", static_cast<double>(fraction), kNameReplaceServer));
}

// The regular-expression mode's pattern, compiled once for the whole run.
// False (after telling the user) when it does not compile.
bool prepare_pattern(const RenameSettings &settings, std::optional<Regex> &pattern) {
  if (settings.mode != Mode::kRegex) return true;
  try {
    pattern = compile_rename_pattern(settings.pattern_text);
    return true;
  } catch (const std::regex_error &) {
    lwtool2::status_error(
        format_message("%s: Invalid regular expression: %s", kNameReplaceServer, settings.pattern_text.c_str()));
    return false;
  }
}

}  // namespace

void rename_items(const RenameSettings &settings) {
  lwtool2::HashedItemList saved;
  lwtool2::append_selection(saved);

  std::optional<Regex> pattern;
  if (prepare_pattern(settings, pattern)) {
    const lwtool2::HashedItemList targets = target_list(settings.scope);
    const std::size_t n = targets.size();
    for (std::size_t i = 0; i < n; ++i) {
      rename_target(settings, targets[i], pattern ? &*pattern : nullptr);
      report_progress(i, n);
    }
    send(compose("StatusMsg %s: Done(%d).", kNameReplaceServer, static_cast<int>(n)));
  }

  lwtool2::select_list(saved);
}

}  // namespace qb::rename
