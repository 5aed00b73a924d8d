// The POSIX services on this machine and the file-backed registry; built where the POSIX
// backend is.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/posix/posix_registry.h"
#include "platform/services.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

constexpr const char* kRunKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(NativeServicesTest, RootFileSystemIsFixedDriveC)
{
    PlatformServices s = MakeNativeServices();
    EXPECT_EQ(s.drives->DriveType("C:\\"), kDriveFixed);
    EXPECT_EQ(s.drives->DriveType("A:\\"), kDriveNoRootDir);
    DiskSpace space = s.drives->FreeAndTotalBytes(3);
    ASSERT_TRUE(space.ok);
    EXPECT_GT(space.total, 0);
    EXPECT_LE(space.freeToCaller, space.total);
    EXPECT_TRUE(s.drives->IsReadable("C:\\"));
    EXPECT_EQ(s.drives->FreeAndTotalBytes(1).total, -1);
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
    const unsigned ctrlAlt = kModControl | kModAlt;
    EXPECT_TRUE(hotkeys->Register(10, 1, ctrlAlt, kVirtualKeyD));
    EXPECT_FALSE(hotkeys->Register(20, 1, ctrlAlt, kVirtualKeyD));
    EXPECT_FALSE(hotkeys->Register(10, 1, kModShift, kVirtualKeyD));
    EXPECT_TRUE(hotkeys->Register(20, 1, kModShift, kVirtualKeyD));
    EXPECT_FALSE(hotkeys->Unregister(30, 1));
    EXPECT_TRUE(hotkeys->Unregister(10, 1));
    EXPECT_FALSE(hotkeys->Unregister(10, 1));
    EXPECT_TRUE(hotkeys->Register(30, 1, ctrlAlt, kVirtualKeyD));
}

class PosixRegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("spacewell-reg-" + std::to_string(getpid()));
        fs::remove_all(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(PosixRegistryTest, WriteAndDeleteTheRunValue)
{
    PosixRegistry registry((dir / "spacewell" / "registry.ini").string());
    auto key = registry.CreateLocalMachineKey(kRunKey);
    ASSERT_TRUE(key);
    EXPECT_TRUE(key->SetString("Spacewell", "\"/opt/space well/spacewell\""));
    // The quotes around a path with a space are part of the data, so they reach the file.
    std::ifstream stored((dir / "spacewell" / "registry.ini").string());
    std::string text((std::istreambuf_iterator<char>(stored)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("Spacewell=\"/opt/space well/spacewell\""), std::string::npos) << text;
    EXPECT_TRUE(key->DeleteValue("spacewell"));
    EXPECT_FALSE(key->DeleteValue("Spacewell"));
    EXPECT_TRUE(key->SetString("Spacewell", "\"x\""));
    EXPECT_TRUE(key->Close());
    EXPECT_FALSE(key->Close());
    EXPECT_FALSE(key->SetString("Spacewell", "y"));
    auto again =
        registry.CreateLocalMachineKey("\\software\\microsoft\\windows\\currentversion\\run");
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->DeleteValue("SPACEWELL"));
}

TEST_F(PosixRegistryTest, DeniedWhenTheStoreFolderCannotBeMade)
{
    fs::create_directories(dir);
    std::ofstream((dir / "file").string()) << "not a folder";
    PosixRegistry registry((dir / "file" / "spacewell" / "registry.ini").string());
    EXPECT_FALSE(registry.CreateLocalMachineKey(kRunKey));
}

TEST(PosixRegistryDefaultTest, StoreFollowsXdgConfigHome)
{
    const char* old = std::getenv("XDG_CONFIG_HOME");
    std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(PosixRegistry::DefaultStoreFile(), "/cfg/spacewell/registry.ini");
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(fs::path(PosixRegistry::DefaultStoreFile()).parent_path().parent_path().filename(),
              ".config");
    if (old)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace sw
#endif
