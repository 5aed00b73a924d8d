// The fakes' own rules: refusals, hotkey ownership, and one shared state behind the services.
#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace sw {
namespace {

constexpr const char* kRunKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(FakeRegistryTest, DeniesAccessOrWrites)
{
    FakeRegistry registry;
    registry.DenyAccess = true;
    EXPECT_FALSE(registry.CreateLocalMachineKey(kRunKey));
    registry.DenyAccess = false;
    registry.DenyWrites = true;
    auto key = registry.CreateLocalMachineKey(kRunKey);
    ASSERT_TRUE(key);
    try {
        SetRegistryString(*key, "Spacewell", "\"C:\\a b\\OrvaneTully.exe\"");
        ADD_FAILURE() << "no error";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Spacewell'");
    }
    registry.DenyWrites = false;
    SetRegistryString(*key, "Spacewell", "\"C:\\a b\\OrvaneTully.exe\"");
    EXPECT_EQ(registry.Value("SOFTWARE\\microsoft\\Windows\\CurrentVersion\\Run", "spacewell"),
              "\"C:\\a b\\OrvaneTully.exe\"");
    EXPECT_EQ(registry.OpenKeys(), 1);
    key.reset();
    EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST(FakeHotkeysTest, OneHolderPerCombination)
{
    FakeHotkeys hotkeys;
    EXPECT_TRUE(hotkeys.Register(10, 1, kModAlt | kModControl, kVirtualKeyD));
    EXPECT_FALSE(hotkeys.Register(20, 1, kModAlt | kModControl, kVirtualKeyD));
    EXPECT_FALSE(hotkeys.Register(10, 1, kModAlt, 'X'));
    EXPECT_EQ(hotkeys.Holder(3, 0x44)->window, 10u);
    EXPECT_FALSE(hotkeys.Unregister(20, 1));
    EXPECT_TRUE(hotkeys.Unregister(10, 1));
    EXPECT_FALSE(hotkeys.Holder(3, 0x44));
    EXPECT_TRUE(hotkeys.Register(20, 1, kModAlt | kModControl, kVirtualKeyD));
}

TEST(FakePlatformTest, ServicesShareTheFakesState)
{
    FakePlatform fake;
    PlatformServices s = fake.Services();
    fake.drives->Set('C', {kDriveFixed, 1 << 20, 2 << 20});
    fake.locale->Separator = ',';
    fake.memory->Status.totalPhys = 8LL << 30;
    EXPECT_EQ(s.drives->DriveType("c:\\"), kDriveFixed);
    EXPECT_EQ(s.locale->DecimalSeparator(), ',');
    EXPECT_EQ(s.memory->Read().totalPhys, 8LL << 30);
    EXPECT_EQ(fake.memory->Reads, 1);
    s.shell->ShellOpen(0x42, "open", "example.org/software.php?prodid=7", "");
    ASSERT_EQ(fake.shell->Calls.size(), 1u);
    EXPECT_EQ(fake.shell->Calls[0].parent, 0x42u);
    EXPECT_EQ(fake.shell->Calls[0].target, "example.org/software.php?prodid=7");
    fake.notifyArea->DoubleClickMs = 320;
    ASSERT_NE(s.notifyArea, nullptr);
    EXPECT_EQ(s.notifyArea->DoubleClickTime(), 320u);
}

}  // namespace
}  // namespace sw
