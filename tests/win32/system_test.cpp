// Memory figures, paths, locale and hotkeys through the Win32 services.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/services.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

TEST(Win32MemoryTest, FiguresAreFullWidthAndConsistent)
{
    MemoryStatus m = MakeNativeServices().memory->Read();
    EXPECT_GT(m.totalPhys, 0);
    EXPECT_GT(m.availPhys, 0);
    EXPECT_LE(m.availPhys, m.totalPhys);
    EXPECT_LE(m.availVirtual, m.totalVirtual);
    // Physical memory comes uncapped even to the 32-bit program: these machines have more than
    // 4 GB, which a 32-bit status field could not hold.
    EXPECT_GT(m.totalPhys, std::int64_t{1} << 32);
    if constexpr (sizeof(void*) == 4) {
        // The shipped program's own address space: 2 GB less 64 KB at either end.
        EXPECT_EQ(m.totalVirtual, 0x7FFE0000);
    } else {
        EXPECT_GT(m.totalVirtual, std::int64_t{1} << 40);
        EXPECT_GT(m.availVirtual, std::int64_t{1} << 32);
    }
}

TEST(Win32PathsTest, ExecutableAndFiles)
{
    auto paths = MakeNativeServices().paths;
    std::string exe = paths->ExecutablePath();
    ASSERT_GT(exe.size(), 14u);
    EXPECT_EQ(exe.substr(exe.size() - 14), "test_win32.exe");
    fs::path file = fs::temp_directory_path() / "spacewell-exists.ini";
    std::ofstream(file) << "[SETTINGS]\n";
    EXPECT_TRUE(paths->FileExists(file.string()));
    fs::remove(file);
    EXPECT_FALSE(paths->FileExists(file.string()));
    EXPECT_FALSE(paths->FileExists(fs::temp_directory_path().string()));
}

TEST(Win32LocaleTest, DecimalSeparatorOfThePrefix)
{
    EXPECT_EQ(MakeNativeServices().locale->DecimalSeparator(), '.');
}

TEST(Win32HotkeyTest, RegisterAndUnregister)
{
    auto hotkeys = MakeNativeServices().hotkeys;
    // Window 0 ties the hotkey to this thread, which needs no window.
    ASSERT_TRUE(hotkeys->Register(0, 1, ssCtrl | ssAlt, TKey{'D'}));
    EXPECT_FALSE(hotkeys->Register(0, 2, ssCtrl | ssAlt, TKey{'D'}));
    EXPECT_TRUE(hotkeys->Unregister(0, 1));
    EXPECT_FALSE(hotkeys->Unregister(0, 1));
}

}  // namespace
}  // namespace sw
