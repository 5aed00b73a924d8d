// The Win32 drive services and a whole scan over drives that run.sh configured in Wine:
// a fixed tmpfs drive of known size, a CD-ROM and a removable drive without a medium, a
// network drive and a drive with a known volume serial.
#include <gtest/gtest.h>
#include <windows.h>

#include "meter/drive_measure.h"
#include "meter/drive_scanner.h"
#include "platform/services.h"
#include "win32/wine_env.h"

namespace sw {
namespace {

class Win32DrivesTest : public testing::Test {
protected:
    PlatformServices services = MakeNativeServices();
    IDrives& drives = *services.drives;
};

TEST_F(Win32DrivesTest, FixedDriveHasItsExactSize)
{
    SW_REQUIRE_DRIVE(fixed, "SPACEWELL_WINE_FIXED");
    EXPECT_EQ(drives.Kind(fixed), DriveKind::Fixed);
    EXPECT_TRUE(drives.IsReadable(fixed));
    DiskSpace space = drives.Space(fixed);
    ASSERT_TRUE(space.ok);
    EXPECT_LE(space.freeToCaller, space.total);
    auto totalMB = WineEnv("SPACEWELL_WINE_FIXED_TOTAL_MB");
    auto freeMB = WineEnv("SPACEWELL_WINE_FIXED_FREE_MB");
    if (!totalMB || !freeMB)
        FAIL() << "no tmpfs (mount refused): the exact sizes cannot be checked";
    EXPECT_EQ(DriveTotalMB(drives, fixed), std::stod(*totalMB));
    EXPECT_EQ(DriveFreeMB(drives, fixed), std::stod(*freeMB));
}

TEST_F(Win32DrivesTest, DrivesWithoutMediumFailQuietly)
{
    SW_REQUIRE_DRIVE(cd, "SPACEWELL_WINE_CDROM");
    SW_REQUIRE_DRIVE(stick, "SPACEWELL_WINE_REMOVABLE");
    EXPECT_EQ(drives.Kind(cd), DriveKind::CdRom);
    EXPECT_EQ(drives.Kind(stick), DriveKind::Removable);
    const ErrorMode before = drives.QuietErrors();
    drives.RestoreErrors(0);  // dialogs on: the presence test must switch them off itself
    for (char letter : {cd, stick}) {
        EXPECT_FALSE(IsDiskPresent(drives, letter)) << letter;
        EXPECT_FALSE(drives.IsReadable(letter)) << letter;
        DiskSpace space = drives.Space(letter);
        EXPECT_FALSE(space.ok) << letter;
        EXPECT_EQ(space.total, -1) << letter;
        EXPECT_EQ(DriveTotalMB(drives, letter), 0) << letter;
    }
    EXPECT_EQ(drives.QuietErrors(), 0u) << "the presence test restored the mode";
    drives.RestoreErrors(before);
}

TEST_F(Win32DrivesTest, NetworkDrive)
{
    SW_REQUIRE_DRIVE(net, "SPACEWELL_WINE_NETWORK");
    EXPECT_EQ(drives.Kind(net), DriveKind::Network);
    DiskSpace space = drives.Space(net);
    ASSERT_TRUE(space.ok);
    EXPECT_GT(space.total, 0);
    EXPECT_LE(space.freeToCaller, space.total);
}

TEST_F(Win32DrivesTest, SerialFromTheDrivesSerialFile)
{
    SW_REQUIRE_DRIVE(drive, "SPACEWELL_WINE_SERIAL_DRIVE");
    auto serial = WineEnv("SPACEWELL_WINE_SERIAL");
    ASSERT_TRUE(serial);
    VolumeSerialNumber n = drives.VolumeSerial(drive);
    EXPECT_TRUE(n.ok);
    EXPECT_EQ(n.serial, std::stoul(*serial, nullptr, 16));
    EXPECT_EQ(VolumeSerialText(drives, drive), serial->substr(0, 4) + " - " + serial->substr(4, 4));
}

TEST_F(Win32DrivesTest, NoRootDirectory)
{
    EXPECT_EQ(drives.Kind('Y'), DriveKind::Absent);
    EXPECT_FALSE(drives.Space('Y').ok);
}

TEST_F(Win32DrivesTest, ScanOverTheConfiguredDrives)
{
    SW_REQUIRE_DRIVE(fixed, "SPACEWELL_WINE_FIXED");
    SW_REQUIRE_DRIVE(cd, "SPACEWELL_WINE_CDROM");
    SW_REQUIRE_DRIVE(stick, "SPACEWELL_WINE_REMOVABLE");
    SW_REQUIRE_DRIVE(net, "SPACEWELL_WINE_NETWORK");
    std::vector<MeterRow> rows;
    DriveScanner scanner(services.drives, [&](const MeterRow& r) { rows.push_back(r); });
    std::string hint = scanner.ScanDrives("MB", '.');

    auto row = [&](char letter) -> const MeterRow* {
        for (const auto& r : rows)
            if (r.Letter == letter)
                return &r;
        return nullptr;
    };
    ASSERT_TRUE(row(fixed));
    ASSERT_TRUE(row(cd));
    ASSERT_TRUE(row(net));
    EXPECT_FALSE(row(stick));
    EXPECT_EQ(row(fixed)->Kind, "FIXED");
    EXPECT_EQ(row(cd)->Kind, "CD-ROM");
    EXPECT_EQ(row(cd)->Total, 0);
    EXPECT_EQ(row(net)->Kind, "REMOTE");
    EXPECT_EQ(row(fixed)->Used, row(fixed)->Total - row(fixed)->Free);
    if (auto totalMB = WineEnv("SPACEWELL_WINE_FIXED_TOTAL_MB")) {
        EXPECT_EQ(row(fixed)->Total, std::stod(*totalMB));
        EXPECT_NE(hint.find(std::string(1, fixed) + ": " +
                            *WineEnv("SPACEWELL_WINE_FIXED_FREE_MB") + "/" + *totalMB + "  "),
                  std::string::npos)
            << hint;
    }
    // The drives between CD-ROM and network are in slot order with the removable one's gap.
    EXPECT_EQ(row(net)->Slot - row(cd)->Slot, net - cd);
    EXPECT_EQ(hint.rfind("FS/TS ( MB): ", 0), 0u);
}

}  // namespace
}  // namespace sw
