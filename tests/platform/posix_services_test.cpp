// The POSIX services on this machine; built where the POSIX backend is.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "platform/services.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

TEST(NativeServicesTest, RootFileSystemIsFixedDriveC)
{
    PlatformServices s = MakeNativeServices();
    EXPECT_EQ(s.drives->Kind('C'), DriveKind::Fixed);
    EXPECT_EQ(s.drives->Kind('A'), DriveKind::Absent);
    DiskSpace space = s.drives->Space('C');
    ASSERT_TRUE(space.ok);
    EXPECT_GT(space.total, 0);
    EXPECT_LE(space.freeToCaller, space.total);
    EXPECT_TRUE(s.drives->IsReadable('C'));
    EXPECT_EQ(s.drives->Space('A').total, -1);
}

TEST(NativeServicesTest, MemoryFiguresAreThisMachinesAndConsistent)
{
    MemoryStatus m = MakeNativeServices().memory->Read();
    EXPECT_GT(m.totalPhys, 0) << "/proc/meminfo unread";
    EXPECT_GT(m.availPhys, 0);
    EXPECT_LE(m.availPhys, m.totalPhys);
    EXPECT_GT(m.totalVirtual, 0) << "no commit limit";
    EXPECT_LE(m.availVirtual, m.totalVirtual);
}

TEST(NativeServicesTest, PathsAndLocale)
{
    PlatformServices s = MakeNativeServices();
    std::string exe = s.paths->ExecutablePath();
    EXPECT_EQ(fs::path(exe).filename(), "test_platform");
    EXPECT_TRUE(s.paths->FileExists(exe));
    EXPECT_FALSE(s.paths->FileExists(fs::path(exe).parent_path().string()));
    // Even root keeps an installed program's settings out of the package's folders.
    EXPECT_FALSE(s.paths->CanWriteFile("/usr/bin/spacewell.ini"));
    char sep = s.locale->DecimalSeparator();
    EXPECT_TRUE(sep == '.' || sep == ',');
    EXPECT_NE(s.notifyArea, nullptr);
}

// Environment values as a desktop session may leave them; each row names the folder or "".
TEST(NativeServicesTest, SettingsFolderFollowsXdgConfigHomeThenHome)
{
    const char* const names[] = {"XDG_CONFIG_HOME", "HOME"};
    std::optional<std::string> saved[2];
    for (int i = 0; i < 2; ++i)
        if (const char* value = std::getenv(names[i]))
            saved[i] = value;
    struct Row {
        const char* config;
        const char* home;
        const char* folder;
    };
    const Row rows[] = {{"/cfg", "/home/ann", "/cfg/spacewell"},
                        {"", "/home/ann", "/home/ann/.config/spacewell"},
                        {nullptr, "/home/ann", "/home/ann/.config/spacewell"},
                        {nullptr, nullptr, ""}};
    auto paths = MakeNativeServices().paths;
    const auto put = [&](int i, const char* value) {
        value ? setenv(names[i], value, 1) : unsetenv(names[i]);
    };
    for (const auto& row : rows) {
        put(0, row.config);
        put(1, row.home);
        EXPECT_EQ(paths->UserSettingsFolder(), row.folder);
    }
    for (int i = 0; i < 2; ++i)
        put(i, saved[i] ? saved[i]->c_str() : nullptr);
}

// A combination has one holder until it is freed, and a window's id names one registration.
TEST(NativeServicesTest, HotkeyCombinationHasOneHolderUntilFreed)
{
    auto hotkeys = MakeNativeServices().hotkeys;
    const TShiftState ctrlAlt = ssCtrl | ssAlt;
    EXPECT_TRUE(hotkeys->Register(10, 1, ctrlAlt, TKey{'D'}));
    EXPECT_FALSE(hotkeys->Register(20, 1, ctrlAlt, TKey{'D'}));
    EXPECT_FALSE(hotkeys->Register(10, 1, ssShift, TKey{'D'}));
    EXPECT_TRUE(hotkeys->Register(20, 1, ssShift, TKey{'D'}));
    EXPECT_FALSE(hotkeys->Unregister(30, 1));
    EXPECT_TRUE(hotkeys->Unregister(10, 1));
    EXPECT_FALSE(hotkeys->Unregister(10, 1));
    EXPECT_TRUE(hotkeys->Register(30, 1, ctrlAlt, TKey{'D'}));
}

}  // namespace
}  // namespace sw
#endif
