// Megabyte figures, the presence test with its error-mode switch, and serial texts.
#include <gtest/gtest.h>

#include "meter/drive_measure.h"
#include "platform/fake/fake_drives.h"

namespace sw {
namespace {

constexpr std::int64_t kMiB = 1024 * 1024;

TEST(DriveMBTest, WholeMegabytesTruncated)
{
    FakeDrives drives;
    drives.Set('C', {DriveKind::Fixed, kMiB - 1, kMiB});
    EXPECT_EQ(DriveFreeMB(drives, 'C'), 0);
    EXPECT_EQ(DriveTotalMB(drives, 'C'), 1);
    drives.Set('D', {DriveKind::Fixed, 14805 * kMiB + kMiB - 1, 5LL * 1024 * 1024 * kMiB});
    EXPECT_EQ(DriveFreeMB(drives, 'D'), 14805);
    EXPECT_EQ(DriveTotalMB(drives, 'D'), 5 * 1024 * 1024);
}

TEST(DriveMBTest, FailedQueryCountsAsZero)
{
    FakeDrives drives;
    FakeDrive broken{DriveKind::Fixed, 10 * kMiB, 20 * kMiB};
    broken.spaceQueryFails = true;
    drives.Set('C', broken);
    EXPECT_EQ(DriveFreeMB(drives, 'C'), 0);
    EXPECT_EQ(DriveTotalMB(drives, 'C'), 0);
    EXPECT_EQ(DriveTotalMB(drives, 'G'), 0);  // no such drive
}

TEST(IsDiskPresentTest, AsksWithDialogsOffAndRestoresTheMode)
{
    FakeDrives drives;
    FakeDrive empty{DriveKind::CdRom};
    empty.mediaPresent = false;
    drives.Set('D', empty);
    drives.Set('C', {DriveKind::Fixed, kMiB, 2 * kMiB});
    drives.RestoreErrors(0x8000);
    EXPECT_FALSE(IsDiskPresent(drives, 'D'));
    EXPECT_TRUE(IsDiskPresent(drives, 'c'));
    EXPECT_EQ(drives.Mode(), 0x8000u);
    EXPECT_EQ(drives.ErrorModeCalls(), (std::vector<ErrorMode>{0x8000, FakeDrives::kQuiet, 0x8000,
                                                               FakeDrives::kQuiet, 0x8000}));
}

TEST(IsDiskPresentTest, RefusesLettersOutsideTheAlphabet)
{
    FakeDrives drives;
    for (char c : {'@', '[', '1', ' ', '\0'}) {
        try {
            IsDiskPresent(drives, c);
            ADD_FAILURE() << "no error for " << int(c);
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Not a valid drive ID");
        }
    }
    EXPECT_TRUE(drives.ErrorModeCalls().empty());
}

TEST(VolumeSerialTextTest, HighAndLowHalvesInUpperCaseHex)
{
    FakeDrives drives;
    FakeDrive c{DriveKind::Fixed};
    c.serial = 0x1A2B3C4D;
    drives.Set('C', c);
    c.serial = 0x0000abcd;
    drives.Set('D', c);
    EXPECT_EQ(VolumeSerialText(drives, 'C'), "1A2B - 3C4D");
    EXPECT_EQ(VolumeSerialText(drives, 'D'), "0000 - ABCD");
    EXPECT_EQ(VolumeSerialText(drives, 'Q'), "0000 - 0000");

    // A mounted folder is named before the serial, with its label when it has one.
    c.mountPoint = "/media/me/USB STICK";
    c.label = "USB STICK";
    drives.Set('E', c);
    c.mountPoint = "/";
    c.label = "";
    c.serialFails = true;
    drives.Set('F', c);
    EXPECT_EQ(VolumeSerialText(drives, 'E'), "/media/me/USB STICK (USB STICK)  0000 - ABCD");
    EXPECT_EQ(VolumeSerialText(drives, 'F'), "/  0000 - 0000") << "the folder without a serial";
}

}  // namespace
}  // namespace sw
