// Finding a caption's accelerator letter and matching a typed key against it.
#include "ui/accel.h"

#include <cctype>

char AccelChar(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;
    }
    return 0;
}

bool IsAccel(char key, const std::string& caption)
{
    const char accel = AccelChar(caption);
    return accel != 0 && std::toupper(static_cast<unsigned char>(accel)) ==
                             std::toupper(static_cast<unsigned char>(key));
}
