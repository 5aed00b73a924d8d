// The memory window's figure captions, kept beside the unit conversion they share with drives.
#include "meter/memory_caption.h"

#include "meter/number_text.h"
#include "meter/units.h"

namespace sw {

double KilobytesToGB(std::int64_t kilobytes)
{
    return MBToGB(MBToGB(static_cast<double>(kilobytes)));
}

std::string MemoryFigureCaption(std::int64_t kilobytes, char decimalSeparator)
{
    return RealText(KilobytesToGB(kilobytes), decimalSeparator) + " GB = " + IntText(kilobytes) +
           " KB ~ " + IntText(kilobytes / 1024) + " MB";
}

}  // namespace sw
