// The plug-in frame: the module descriptor, the host version test and the
// activation functions of the seven servers.
#pragma once

#include <cstdint>

#include "abi/host_api.h"
#include "abi/service_names.h"
#include "toolkit/text/code_page.h"
#include "tools/tools.h"

extern "C" {
extern ModuleDescriptor _mod_descrip;
}

namespace qb {

inline constexpr int kServerCount = 7;
inline constexpr unsigned kSupportedMajorVersion = 15;

// The major version of a "Product Info" number (bits 20-23).
unsigned product_major_version(uint32_t value);

// What the module reads of "Product Info".
struct ProductVersion {
  unsigned major = 0;          // bits 20-23
  unsigned model_year = 2015;  // bits 24-29, counted from 2015
};

// Asks "Product Info" (transient) and answers whether the major version is 15
// (in both generations); `version` is what the host answered.
bool host_is_supported(GlobalFunc *global, ProductVersion &version);
inline bool host_is_supported(GlobalFunc *global) {
  ProductVersion version;
  return host_is_supported(global, version);
}

// The generation whose interface version the host activated a server with:
// 6 the 2018 generation, 7 the 2020 one; false for any other version.
bool generation_of_version(int version, Generation &generation);

// 2018 generation: Shift-JIS for a Japanese locale (low 16 bits 1041) or, on
// Windows, a system code page 932; one byte per character otherwise.  2020
// generation: UTF-8 under every locale.
CodePage host_code_page_for(Generation generation, unsigned long locale);

// One activation function per row of the server table, in row order.
int activate_item_tools(int version, GlobalFunc *global, void *local, void *server_data);
int activate_select_branch(int version, GlobalFunc *global, void *local, void *server_data);
int activate_select_item(int version, GlobalFunc *global, void *local, void *server_data);
int activate_item_visible(int version, GlobalFunc *global, void *local, void *server_data);
int activate_object_replacer(int version, GlobalFunc *global, void *local, void *server_data);
int activate_name_replace(int version, GlobalFunc *global, void *local, void *server_data);
int activate_toggle_visible(int version, GlobalFunc *global, void *local, void *server_data);

// The words of a command's argument text, split at blanks (a null text gives none).
Words split_arguments(const char *text);

}  // namespace qb
