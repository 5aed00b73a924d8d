// A decimal separator set by the test.
#pragma once

#include "platform/locale.h"

namespace sw {

class FakeLocale : public ILocale {
public:
    char Separator = '.';
    char DecimalSeparator() override { return Separator; }
};

}  // namespace sw
