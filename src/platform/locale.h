// The user's locale settings that number texts depend on.
#pragma once

namespace sw {

class ILocale {
public:
    virtual ~ILocale() = default;
    virtual char DecimalSeparator() = 0;
};

}  // namespace sw
