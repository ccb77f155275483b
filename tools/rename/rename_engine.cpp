// The rename run.  It talks to the host's command function itself for
// "SelectItem": a refused selection means the item must not be renamed (the
// host would rename whatever is selected instead), and is passed over without
// a message.  "Rename" goes through the second layer, which reports a refused
// one in the status line; the final line counts the names the host took.
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
#include "toolkit/panel.h"
#include "toolkit/text/format.h"
#include "tools/rename/name_replace_text.h"
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
      return object_lacks_file_path(item) && settings.include_null != 0;
    case LWI_LIGHT: return settings.include_light != 0;
    case LWI_CAMERA: return settings.include_camera != 0;
    case LWI_BONE: return settings.include_bone != 0;
    default: return true;
  }
}

lwtool2::HashedItemList target_list(Scope scope) {
  lwtool2::HashedItemList targets;
  if (scope == Scope::kSelection) lwtool2::append_selection(targets);
  if (scope == Scope::kSelectionWithChildren) lwtool2::append_selection_with_descendants(targets);
  if (scope == Scope::kAllItems) lwtool2::append_scene_items(targets);
  return targets;
}

// What a run has done so far.
struct RunCount {
  int renamed = 0;
  bool too_complex = false;  // the matcher gave up on at least one name
};

// Empty when the item keeps its name.
std::string new_name_of(const RenameSettings &settings, const std::string &w, const Regex *pattern,
                        RunCount &count) {
  try {
    std::string v = compute_new_name(settings, w, pattern);
    return v == w ? std::string() : v;
  } catch (const std::regex_error &) {
    // The matcher gave up on this name; the others may still go, and the run says so at its end.
    count.too_complex = true;
    return std::string();
  }
}

void rename_target(const RenameSettings &settings, LWItemID item, const Regex *pattern, RunCount &count) {
  if (!type_is_wanted(settings, item)) return;
  const std::string w = working_name(lwtool2::item_name(item));
  if (w.empty()) return;
  const std::string v = new_name_of(settings, w, pattern, count);
  if (v.empty()) return;
  // A name too long for the command line is left alone rather than cut.
  const CommandText rename = compose("Rename %s", v.c_str());
  if (!rename.fits) return;
  if (send(compose("SelectItem 0x%x", item_id_bits(item))) == 0) return;
  if (!lwtool2::eval(rename.text)) ++count.renamed;
}

// A text of the mode that fills its field's buffer may have been cut by the host.
bool mode_text_too_long(const RenameSettings &settings) {
  auto fills = [](const TextBuffer &text) { return fills_field_buffer(text.view()); };
  switch (settings.mode) {
    case Mode::kChange: return fills(settings.change_text);
    case Mode::kPrefix: return fills(settings.prefix_text);
    case Mode::kSuffix: return fills(settings.suffix_text);
    case Mode::kReplace: return fills(settings.search_text) || fills(settings.replace_text);
    case Mode::kRegex: return fills(settings.pattern_text) || fills(settings.pattern_replace_text);
    default: return false;
  }
}

void report_progress(std::size_t i, std::size_t n) {
  const float fraction = n == 1 ? 1.0f : static_cast<float>(i) / static_cast<float>(n - 1);
  send(compose("StatusMsg {%.2f}%s: Renaming...", static_cast<double>(fraction), kNameReplaceServer));
}

// The regular-expression mode's pattern, compiled once for the whole run.
// False (after telling the user) when a text of the mode is too long or the
// pattern does not compile.
bool prepare_pattern(const RenameSettings &settings, std::optional<Regex> &pattern) {
  if (mode_text_too_long(settings)) {
    lwtool2::status_error(format_message("%s: %s", kNameReplaceServer, g_name_replace_messages[kMsgTooLong]));
    return false;
  }
  if (settings.mode != Mode::kRegex) return true;
  try {
    pattern = compile_rename_pattern(settings.pattern_text);
    return true;
  } catch (const std::regex_error &) {
    lwtool2::status_error(format_message("%s: Invalid regular expression: %s", kNameReplaceServer,
                                         settings.pattern_text.c_str()));
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
    RunCount count;
    for (std::size_t i = 0; i < n; ++i) {
      rename_target(settings, targets[i], pattern ? &*pattern : nullptr, count);
      report_progress(i, n);
    }
    send(compose("StatusMsg %s: Done(%d).", kNameReplaceServer, count.renamed));
    if (count.too_complex)
      lwtool2::status_error(
          format_message("%s: %s", kNameReplaceServer, g_name_replace_messages[kMsgTooComplex]));
  }

  lwtool2::select_list(saved);
}

}  // namespace qb::rename
