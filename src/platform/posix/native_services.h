// The POSIX set of services around a mount table the caller also watches.
#pragma once

#include <memory>

#include "platform/posix/posix_drives.h"
#include "platform/services.h"

namespace sw {

PlatformServices MakeNativeServices(std::shared_ptr<PosixDrives> drives);

}  // namespace sw
