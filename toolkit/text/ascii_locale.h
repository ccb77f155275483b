// The locale both regular-expression engines are imbued with: character
// classes (\w, \d, \s, \b, [[:alpha:]] ...) and letter case of ASCII
// characters only.  The C runtime's own classes answer differently per
// platform for bytes past 0x7F and for the wide engine's characters (a
// double-byte character read as lead byte * 256 + second byte is a CJK
// ideograph to a Unicode runtime); with this locale a double-byte character
// is never a letter, digit, blank or word character, on every platform alike.
#pragma once

#include <locale>

namespace qb {

const std::locale &ascii_locale();

}  // namespace qb
