// The POSIX services on this machine; built where the POSIX backend is.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <filesystem>

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

TEST(NativeServicesTest, MemoryFiguresAreFullWidthAndConsistent)
{
    MemoryStatus m = MakeNativeServices().memory->Read();
    EXPECT_GT(m.totalPhys, 0);
    EXPECT_GT(m.availPhys, 0);
    EXPECT_LE(m.availPhys, m.totalPhys);
    EXPECT_EQ(m.totalVirtual, std::int64_t{1} << 47);
    EXPECT_GT(m.availVirtual, std::int64_t{1} << 32);
    EXPECT_LT(m.availVirtual, m.totalVirtual);
}

TEST(NativeServicesTest, PathsAndLocale)
{
    PlatformServices s = MakeNativeServices();
    std::string exe = s.paths->ExecutablePath();
    EXPECT_EQ(fs::path(exe).filename(), "test_platform");
    EXPECT_TRUE(s.paths->FileExists(exe));
    EXPECT_FALSE(s.paths->FileExists(fs::path(exe).parent_path().string()));
    char sep = s.locale->DecimalSeparator();
    EXPECT_TRUE(sep == '.' || sep == ',');
    EXPECT_NE(s.notifyArea, nullptr);
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
