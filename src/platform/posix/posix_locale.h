// The user's numeric locale on POSIX systems.
#pragma once

#include "platform/locale.h"

namespace sw {

// The user's LC_NUMERIC setting, whatever locale the program itself runs in. A process's
// environment does not change while it runs, so it is read once, not at every caption.
class PosixLocale : public ILocale {
public:
    PosixLocale();
    char DecimalSeparator() override { return FSeparator; }

private:
    char FSeparator = '.';
};

}  // namespace sw
