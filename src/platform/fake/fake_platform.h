// One fake of every platform service, kept by the test so it can set state and look at
// what the program did, and handed to the program as its services.
#pragma once

#include "platform/fake/fake_autostart.h"
#include "platform/fake/fake_drives.h"
#include "platform/fake/fake_hotkeys.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_memory_status.h"
#include "platform/fake/fake_notify_area.h"
#include "platform/fake/fake_paths.h"
#include "platform/fake/fake_profile.h"
#include "platform/fake/fake_shell.h"
#include "platform/services.h"

namespace sw {

struct FakePlatform {
    std::shared_ptr<FakeDrives> drives = std::make_shared<FakeDrives>();
    std::shared_ptr<FakeMemoryStatus> memory = std::make_shared<FakeMemoryStatus>();
    std::shared_ptr<FakeProfileFiles> profiles = std::make_shared<FakeProfileFiles>();
    std::shared_ptr<FakeAutostart> autostart = std::make_shared<FakeAutostart>();
    std::shared_ptr<FakeHotkeys> hotkeys = std::make_shared<FakeHotkeys>();
    std::shared_ptr<FakePaths> paths = std::make_shared<FakePaths>();
    std::shared_ptr<FakeLocale> locale = std::make_shared<FakeLocale>();
    std::shared_ptr<FakeShell> shell = std::make_shared<FakeShell>();
    std::shared_ptr<FakeNotifyArea> notifyArea = std::make_shared<FakeNotifyArea>();

    PlatformServices Services() const
    {
        return {drives, memory, profiles, autostart, hotkeys, paths, locale, shell, notifyArea};
    }
};

}  // namespace sw
