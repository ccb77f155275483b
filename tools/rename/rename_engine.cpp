// The rename run.  A refused "SelectItem" means the item must not be renamed
// (the host would rename whatever is selected instead), and is passed over
// without a message; a refused "Rename" goes through the second layer, which
// reports it in the status line; the final line counts the names the host
// took.  A new name too long for the host's command buffer is left alone
// rather than cut.
#include "tools/rename/rename_engine.h"

#include <optional>
#include <regex>

#include "toolkit/base/item_ids.h"
#include "toolkit/base/send.h"
#include "toolkit/lwtool2/eval.h"
#include "toolkit/lwtool2/items.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/panel.h"
#include "toolkit/text/format.h"
#include "tools/rename/name_replace_text.h"
#include "tools/rename/new_name.h"

namespace qb::rename {
namespace {

// The run's own selections and progress lines: a refusal goes unreported.
bool send_quietly(const std::string &command) {
  return send_command(lwtool2::services().command, command, OnRefusal::kStayQuiet);
}

void status_quietly(const std::string &message) {
  send_status(lwtool2::services().command, message, OnRefusal::kStayQuiet);
}

// Without the host's item record no item can be told apart or named.
bool type_is_wanted(const RenameSettings &settings, LWItemID item) {
  LWItemInfo *info = lwtool2::services().item_info;
  if (info == nullptr) return false;
  switch (info->type(item)) {
    case LWI_OBJECT:
      // Only objects loaded from a .lwo file are meshes, and meshes keep
      // their names; every other object is a null.
      return lwtool2::object_lacks_file_path(item) && settings.include_null != 0;
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
  const std::string rename = "Rename " + v;
  if (!fits_command_buffer(rename)) return;
  if (!send_quietly(format_message("SelectItem 0x%x", item_id_bits(item)))) return;
  if (!lwtool2::eval(rename)) ++count.renamed;
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
  status_quietly(format_message("{%.2f}%s: Renaming...", static_cast<double>(fraction), kNameReplaceServer));
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
    // The whole pattern, however long: the status line shortens the message to fit.
    lwtool2::status_error(std::string(kNameReplaceServer) +
                          ": Invalid regular expression: " + settings.pattern_text.c_str());
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
    status_quietly(format_message("%s: Done(%d).", kNameReplaceServer, count.renamed));
    if (count.too_complex)
      lwtool2::status_error(
          format_message("%s: %s", kNameReplaceServer, g_name_replace_messages[kMsgTooComplex]));
  }

  lwtool2::select_list(saved);
}

}  // namespace qb::rename
