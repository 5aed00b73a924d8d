// The memory figures: one object for the component's life, a fresh query per figure, and
// figures that cannot be assigned.
#include <gtest/gtest.h>

#include "app/sys_info.h"
#include "platform/fake/fake_memory_status.h"

namespace {

constexpr std::int64_t kGiB = 1024LL * 1024 * 1024;

struct SysInfoTest : testing::Test {
    std::shared_ptr<sw::FakeMemoryStatus> memory = std::make_shared<sw::FakeMemoryStatus>();
    TSystemInfo SysInfo{nullptr, memory};
};

TEST_F(SysInfoTest, MemoryIsMadeOnceAndKept)
{
    EXPECT_TRUE(SysInfo.ReadOnly());
    TMemoryInfo* first = &SysInfo.Memory();
    EXPECT_EQ(&SysInfo.Memory(), first);
    EXPECT_EQ(memory->Reads, 0);
}

TEST_F(SysInfoTest, EachFigureIsItsOwnQueryAtFullWidth)
{
    memory->Status = {16 * kGiB, 9 * kGiB, 128LL * 1024 * kGiB, 127LL * 1024 * kGiB};
    // The memory window's order on each tick: four figures, four queries.
    EXPECT_EQ(SysInfo.Memory().FreePhysicalMemory(), 9 * kGiB);
    EXPECT_EQ(SysInfo.Memory().TotalPhysicalMemory(), 16 * kGiB);
    EXPECT_EQ(SysInfo.Memory().FreeVirtualMemory(), 127LL * 1024 * kGiB);
    EXPECT_EQ(SysInfo.Memory().TotalVirtualMemory(), 128LL * 1024 * kGiB);
    EXPECT_EQ(memory->Reads, 4);

    memory->Status.availPhys = 8 * kGiB;
    EXPECT_EQ(SysInfo.Memory().FreePhysicalMemory(), 8 * kGiB);
}

TEST_F(SysInfoTest, AssigningAFigureIsRefused)
{
    memory->Status.totalPhys = 4 * kGiB;
    TMemoryInfo& info = SysInfo.Memory();
    try {
        info.SetTotalPhysicalMemory(1);
        FAIL() << "assignment accepted";
    } catch (const EReadOnlyProperty& e) {
        EXPECT_STREQ(e.what(), "This value is read-only and cannot be changed.");
    }
    EXPECT_THROW(info.SetFreeVirtualMemory(1), EReadOnlyProperty);
    EXPECT_EQ(info.TotalPhysicalMemory(), 4 * kGiB);
}

TEST(SysInfoOwnership, FreedWithItsOwner)
{
    auto memory = std::make_shared<sw::FakeMemoryStatus>();
    auto* owner = new TComponent(nullptr);
    auto* info = new TSystemInfo(owner, memory);
    info->SetName("SysInfo");
    EXPECT_EQ(owner->FindComponent("SysInfo"), info);
    delete owner;
    EXPECT_EQ(memory.use_count(), 1);
}

}  // namespace
