// The fakes' own rules: refusals, hotkey ownership, and one shared state behind the services.
#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace sw {
namespace {

TEST(AutostartRuleTest, MachineFirstThenTheUserAndOffForBoth)
{
    FakeAutostart autostart;
    const std::string program = "C:\\a b\\OrvaneTully.exe";
    SetAutostart(autostart, "Spacewell", program, true);
    EXPECT_EQ(autostart.Entry(AutostartScope::Machine, "spacewell"), program);
    EXPECT_FALSE(autostart.IsOn(AutostartScope::User, "Spacewell"));
    autostart.SetEntry(AutostartScope::User, "Spacewell", program);
    autostart.DenyMachineAccess = true;
    SetAutostart(autostart, "Spacewell", program, false);
    EXPECT_FALSE(autostart.IsOn(AutostartScope::User, "Spacewell")) << "one scope suffices";
    autostart.DenyMachineAccess = false;
    autostart.DenyWrites = true;
    try {
        SetAutostart(autostart, "Spacewell", program, true);
        ADD_FAILURE() << "no error";
    } catch (const EAutostartError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Spacewell'");
    }
}

TEST(FakeHotkeysTest, OneHolderPerCombination)
{
    FakeHotkeys hotkeys;
    EXPECT_TRUE(hotkeys.Register(10, 1, ssAlt | ssCtrl, TKey{'D'}));
    EXPECT_FALSE(hotkeys.Register(20, 1, ssAlt | ssCtrl, TKey{'D'}));
    EXPECT_FALSE(hotkeys.Register(10, 1, ssAlt, TKey{'X'}));
    EXPECT_EQ(hotkeys.Holder(ssAlt | ssCtrl, TKey{'D'})->window, 10u);
    EXPECT_FALSE(hotkeys.Unregister(20, 1));
    EXPECT_TRUE(hotkeys.Unregister(10, 1));
    EXPECT_FALSE(hotkeys.Holder(ssAlt | ssCtrl, TKey{'D'}));
    EXPECT_TRUE(hotkeys.Register(20, 1, ssAlt | ssCtrl, TKey{'D'}));
}

TEST(FakePlatformTest, ServicesShareTheFakesState)
{
    FakePlatform fake;
    PlatformServices s = fake.Services();
    fake.drives->Set('C', {DriveKind::Fixed, 1 << 20, 2 << 20});
    fake.locale->Separator = ',';
    fake.memory->Status.totalPhys = 8LL << 30;
    EXPECT_EQ(s.drives->Kind('C'), DriveKind::Fixed);
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
