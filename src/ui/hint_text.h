// The hint convention shared by the hint window and the notification-area tip: a hint
// "short|long" shows only its short part; the long part is for a status line.
#pragma once

#include <string>
#include <string_view>

// The text before the first "|" (all of it when there is none).
inline std::string ShortHint(std::string_view hint)
{
    return std::string(hint.substr(0, hint.find('|')));
}
