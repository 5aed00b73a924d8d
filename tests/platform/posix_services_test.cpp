// The POSIX services on this machine and the file-backed autostart entries; built where the POSIX
// backend is.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/posix/posix_autostart.h"
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

class PosixAutostartTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("spacewell-autostart-" + std::to_string(getpid()));
        fs::remove_all(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(PosixAutostartTest, TurnOnAndOffPerScope)
{
    PosixAutostart autostart((dir / "spacewell" / "autostart.ini").string());
    EXPECT_TRUE(autostart.TurnOff(AutostartScope::Machine, "Spacewell")) << "nothing to remove";
    EXPECT_TRUE(
        autostart.TurnOn(AutostartScope::Machine, "Spacewell", "/opt/space well/spacewell"));
    // A path with a space reaches the file whole.
    std::ifstream stored((dir / "spacewell" / "autostart.ini").string());
    std::string text((std::istreambuf_iterator<char>(stored)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("Spacewell=/opt/space well/spacewell"), std::string::npos) << text;
    EXPECT_TRUE(autostart.IsOn(AutostartScope::Machine, "SPACEWELL"));
    EXPECT_FALSE(autostart.IsOn(AutostartScope::User, "Spacewell"));
    EXPECT_TRUE(autostart.TurnOn(AutostartScope::User, "Spacewell", "/x"));
    EXPECT_TRUE(autostart.TurnOff(AutostartScope::Machine, "spacewell"));
    EXPECT_FALSE(autostart.IsOn(AutostartScope::Machine, "Spacewell"));
    EXPECT_TRUE(autostart.IsOn(AutostartScope::User, "Spacewell"));
}

TEST_F(PosixAutostartTest, RefusedWhenTheStoreFolderCannotBeMade)
{
    fs::create_directories(dir);
    std::ofstream((dir / "file").string()) << "not a folder";
    PosixAutostart autostart((dir / "file" / "spacewell" / "autostart.ini").string());
    EXPECT_FALSE(autostart.TurnOn(AutostartScope::Machine, "Spacewell", "/x"));
    EXPECT_FALSE(autostart.TurnOff(AutostartScope::User, "Spacewell"));
}

TEST(PosixAutostartDefaultTest, StoreFollowsXdgConfigHome)
{
    const char* old = std::getenv("XDG_CONFIG_HOME");
    std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(PosixAutostart::DefaultStoreFile(), "/cfg/spacewell/autostart.ini");
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(fs::path(PosixAutostart::DefaultStoreFile()).parent_path().parent_path().filename(),
              ".config");
    if (old)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace sw
#endif
