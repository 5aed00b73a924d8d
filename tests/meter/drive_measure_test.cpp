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
    drives.Set('C', {kDriveFixed, kMiB - 1, kMiB});
    EXPECT_EQ(DriveFreeMB(drives, 3), 0);
    EXPECT_EQ(DriveTotalMB(drives, 3), 1);
    drives.Set('D', {kDriveFixed, 14805 * kMiB + kMiB - 1, 5LL * 1024 * 1024 * kMiB});
    EXPECT_EQ(DriveFreeMB(drives, 4), 14805);
    EXPECT_EQ(DriveTotalMB(drives, 4), 5 * 1024 * 1024);
}

TEST(DriveMBTest, FailedQueryCountsAsZero)
{
    FakeDrives drives;
    FakeDrive broken{kDriveFixed, 10 * kMiB, 20 * kMiB};
    broken.spaceQueryFails = true;
    drives.Set('C', broken);
    EXPECT_EQ(DriveFreeMB(drives, 3), 0);
    EXPECT_EQ(DriveTotalMB(drives, 3), 0);
    EXPECT_EQ(DriveTotalMB(drives, 7), 0);  // no such drive
}

TEST(IsDiskPresentTest, AsksWithDialogsOffAndRestoresTheMode)
{
    FakeDrives drives;
    FakeDrive empty{kDriveCdrom};
    empty.mediaPresent = false;
    drives.Set('D', empty);
    drives.Set('C', {kDriveFixed, kMiB, 2 * kMiB});
    drives.SetErrorMode(0x8000);
    EXPECT_FALSE(IsDiskPresent(drives, 'D'));
    EXPECT_TRUE(IsDiskPresent(drives, 'c'));
    EXPECT_EQ(drives.ErrorMode(), 0x8000u);
    EXPECT_EQ(drives.ErrorModeCalls(),
              (std::vector<unsigned>{0x8000, kSemFailCriticalErrors, 0x8000, kSemFailCriticalErrors,
                                     0x8000}));
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
    FakeDrive c{kDriveFixed};
    c.serial = 0x1A2B3C4D;
    drives.Set('C', c);
    c.serial = 0x0000abcd;
    drives.Set('D', c);
    EXPECT_EQ(VolumeSerialText(drives, "C:\\"), "1A2B - 3C4D");
    EXPECT_EQ(VolumeSerialText(drives, "D:\\"), "0000 - ABCD");
    EXPECT_EQ(VolumeSerialText(drives, "Q:\\"), "0000 - 0000");
}

}  // namespace
}  // namespace sw
