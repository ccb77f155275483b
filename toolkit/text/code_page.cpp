#include "toolkit/text/code_page.h"

namespace qb {
namespace {
CodePage g_code_page = CodePage::SingleByte;
}  // namespace

CodePage host_code_page() noexcept { return g_code_page; }
void set_host_code_page(CodePage code_page) noexcept { g_code_page = code_page; }

}  // namespace qb
