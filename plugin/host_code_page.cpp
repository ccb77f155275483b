// The code page of the host's names, patterns and paths, chosen at every
// activation: UTF-8 in the 2020 generation, which declares every text UTF-8;
// in the 2018 one Shift-JIS when the host's locale is Japanese, or when the
// system hands out its file names in Shift-JIS.
#include "platform/system_code_page.h"
#include "plugin/frame.h"
#include "toolkit/panel.h"

namespace qb {

CodePage host_code_page_for(Generation generation, unsigned long locale) {
  if (generation == Generation::Layout2020) return CodePage::Utf8;
  return locale_is_japanese(locale) || system_code_page_is_shift_jis() ? CodePage::ShiftJis
                                                                       : CodePage::SingleByte;
}

}  // namespace qb
