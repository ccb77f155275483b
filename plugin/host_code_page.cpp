// The code page of the host's names, patterns and paths, chosen at every
// activation: Shift-JIS when the host's locale is Japanese, and on Windows
// also when the system's code page is (a Japanese system hands the host its
// file names in Shift-JIS whatever language Layout shows).
#include "plugin/frame.h"
#include "toolkit/panel.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace qb {

bool system_code_page_is_shift_jis() {
#ifdef _WIN32
  return GetACP() == 932;
#else
  return false;
#endif
}

CodePage host_code_page_for(unsigned long locale) {
  return locale_is_japanese(locale) || system_code_page_is_shift_jis() ? CodePage::ShiftJis : CodePage::SingleByte;
}

}  // namespace qb
