// The activation protocol every server shares: interface version, host
// version, host services, language, argument words, then the tool.  Nothing
// thrown by a tool may reach the host, so the whole protocol runs guarded.
#include "plugin/frame.h"
#include "toolkit/base/host_interface.h"
#include "toolkit/guard.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/panel.h"
#include "toolkit/services.h"
#include "tools/tools.h"

namespace qb {
namespace {

enum class ServiceLayer { First, Second };

struct ServerSteps {
  ServiceLayer services;
  void (*select_language)(unsigned long locale);  // null: the server has no texts
  bool reads_arguments;                           // the commands without a panel
};

const char *argument_text(void *local) {
  auto *generic = static_cast<LWLayoutGeneric *>(local);
  if (generic == nullptr || generic->commandArguments == nullptr) return nullptr;
  return generic->commandArguments(generic->data);
}

template <class Tool>
int activate(int version, GlobalFunc *global, void *local, const ServerSteps &steps, Tool &&tool) {
  int result = AFUNC_BADGLOBAL;
  bool finished = guarded([&] {
    // Layout 2020 and later activate with 7 first and fall back to 6 only
    // on AFUNC_BADVERSION, so each host is served its own generation.
    Generation generation = Generation::Layout2018;
    ProductVersion product;
    if (!generation_of_version(version, generation) || !host_is_supported(global, product)) {
      result = AFUNC_BADVERSION;
      return;
    }
    set_host_interface(generation, product.model_year);
    if (steps.services == ServiceLayer::First) {
      load_service_table(global);
    } else if (!lwtool2::fetch_services(global)) {
      result = AFUNC_BADGLOBAL;
      return;
    }
    // Every tool reads names, patterns or paths in the host's code page; the
    // same look-up of the locale chooses the language of those with texts.
    const unsigned long locale = lookup_locale(global);
    set_host_code_page(host_code_page_for(generation, locale));
    if (steps.select_language != nullptr) steps.select_language(locale);
    Words words;
    if (steps.reads_arguments) words = split_arguments(argument_text(local));
    result = tool(words);
  });
  return finished ? result : AFUNC_BADGLOBAL;
}

constexpr ServerSteps kItemToolsSteps{ServiceLayer::First, hierarchy::select_item_tools_language, false};
constexpr ServerSteps kSelectCommandSteps{ServiceLayer::First, hierarchy::select_item_tools_language, true};
constexpr ServerSteps kToggleVisibleSteps{ServiceLayer::First, nullptr, true};
constexpr ServerSteps kItemVisibleSteps{ServiceLayer::Second, item_visible::select_item_visible_language,
                                        false};
constexpr ServerSteps kObjectReplacerSteps{ServiceLayer::Second, replace::select_object_replacer_language,
                                           false};
constexpr ServerSteps kNameReplaceSteps{ServiceLayer::Second, rename::select_name_replace_language, false};

}  // namespace

int activate_item_tools(int version, GlobalFunc *global, void *local, void *) {
  return activate(version, global, local, kItemToolsSteps,
                  [](const Words &) { return hierarchy::run_item_tools(); });
}

int activate_select_branch(int version, GlobalFunc *global, void *local, void *) {
  return activate(version, global, local, kSelectCommandSteps, [](const Words &words) {
    hierarchy::run_select_branch(words);
    return AFUNC_OK;
  });
}

int activate_select_item(int version, GlobalFunc *global, void *local, void *) {
  return activate(version, global, local, kSelectCommandSteps, [](const Words &words) {
    hierarchy::run_select_item(words);
    return AFUNC_OK;
  });
}

int activate_item_visible(int version, GlobalFunc *global, void *local, void *) {
  return activate(version, global, local, kItemVisibleSteps,
                  [](const Words &) { return item_visible::run_item_visible(); });
}

int activate_object_replacer(int version, GlobalFunc *global, void *local, void *) {
  return activate(version, global, local, kObjectReplacerSteps,
                  [](const Words &) { return replace::run_object_replacer(); });
}

int activate_name_replace(int version, GlobalFunc *global, void *local, void *) {
  return activate(version, global, local, kNameReplaceSteps,
                  [](const Words &) { return rename::run_name_replace(); });
}

int activate_toggle_visible(int version, GlobalFunc *global, void *local, void *) {
  return activate(version, global, local, kToggleVisibleSteps, [](const Words &words) {
    toggle_visible::run_toggle_visible(words);
    return AFUNC_OK;
  });
}

}  // namespace qb
