// The user's numeric locale on POSIX systems.
#pragma once

#include "platform/locale.h"

namespace sw {

// The user's LC_NUMERIC setting, whatever locale the program itself runs in.
class PosixLocale : public ILocale {
public:
    char DecimalSeparator() override;
};

}  // namespace sw
