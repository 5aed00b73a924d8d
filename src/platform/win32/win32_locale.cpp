// The user's decimal separator from the locale settings.
#include <windows.h>

#include "platform/win32/win32_factories.h"

namespace sw {
namespace {

class Win32Locale : public ILocale {
public:
    char DecimalSeparator() override
    {
        char buffer[8] = {};
        return GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) > 1
                   ? buffer[0]
                   : '.';
    }
};

}  // namespace

std::shared_ptr<ILocale> MakeWin32Locale() { return std::make_shared<Win32Locale>(); }

}  // namespace sw
