// The code page of the host's names, patterns and paths, chosen at every
// activation: Shift-JIS when the host's locale is Japanese, or when the
// system hands out its file names in Shift-JIS.
#include "platform/system_code_page.h"
#include "plugin/frame.h"
#include "toolkit/panel.h"

namespace qb {

CodePage host_code_page_for(unsigned long locale) {
  return locale_is_japanese(locale) || system_code_page_is_shift_jis() ? CodePage::ShiftJis : CodePage::SingleByte;
}

}  // namespace qb
