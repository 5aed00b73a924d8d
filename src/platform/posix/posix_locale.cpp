// The decimal separator of the environment's LC_NUMERIC, read without switching the process's
// own locale.
#include "platform/posix/posix_locale.h"

#include <langinfo.h>
#include <locale.h>

namespace sw {

PosixLocale::PosixLocale()
{
    locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (!user)
        return;
    const char* radix = nl_langinfo_l(RADIXCHAR, user);
    if (radix && radix[0])
        FSeparator = radix[0];
    freelocale(user);
}

}  // namespace sw
