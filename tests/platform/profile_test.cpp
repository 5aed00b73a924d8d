// The shared profile cases against the in-memory fake and, where it is built, the POSIX files.
#include "platform/fake/fake_profile.h"
#include "platform/ini_text.h"
#ifndef _WIN32
#include "platform/posix/posix_profile.h"
#include "platform/scratch_files.h"
#endif
#include "platform/profile_cases.h"

namespace sw {
namespace {

ProfileBackend FakeBackend()
{
    auto files = std::make_shared<FakeProfileFiles>();
    return {
        "fake",
        "mem",
        [files](const std::string& path) { return files->Open(path); },
        [files](const std::string& path) { return files->Text(path); },
        [files](const std::string& path, const std::string& text) { files->SetText(path, text); },
        [files] {
            files->SetUnwritable("mem/locked.ini", true);
            return std::string("mem/locked.ini");
        }};
}

INSTANTIATE_TEST_SUITE_P(Fake, ProfileCases, testing::Values(&FakeBackend));

// A file cut off between the carriage return and the line feed of its last line: a key added
// after it gets a line of its own and reads back, and the last value keeps no stray return.
TEST(IniTextTest, TextEndingInABareReturnTakesNewKeys)
{
    const std::string inSection = SetIniValue("[A]\r\nx=1\r", "A", "y", "2");
    EXPECT_EQ(inSection, "[A]\r\nx=1\r\ny=2\r\n");
    EXPECT_EQ(FindIniValue(inSection, "A", "y"), "2");
    const std::string newSection = SetIniValue("[A]\nx=1\r", "B", "y", "2");
    EXPECT_EQ(newSection, "[A]\nx=1\r\n[B]\ny=2\n");
    EXPECT_EQ(FindIniValue(newSection, "A", "x"), "1");
}

#ifndef _WIN32
ProfileBackend PosixBackend()
{
    return {"posix",
            ScratchDir(),
            [](const std::string& path) { return std::make_unique<PosixProfile>(path); },
            ReadFile,
            WriteFile,
            [] { return ScratchDir() + "/no such folder/a.ini"; }};
}

INSTANTIATE_TEST_SUITE_P(Posix, ProfileCases, testing::Values(&PosixBackend));

TEST(PosixProfileTest, EditsLeaveEveryOtherByteAlone)
{
    std::string path = ScratchDir() + "/bytes.ini";
    WriteFile(path, "# top\n\n[A]\nx = 1 ; note\n\n[B]\ny=2");
    PosixProfile p(path);
    ASSERT_TRUE(p.WriteString("A", "X", "5"));
    EXPECT_EQ(ReadFile(path), "# top\n\n[A]\nx =5\n\n[B]\ny=2");
    ASSERT_TRUE(p.WriteString("B", "z", "3"));
    EXPECT_EQ(ReadFile(path), "# top\n\n[A]\nx =5\n\n[B]\ny=2\nz=3\n");
    ASSERT_TRUE(p.WriteString("A", "w", "4"));
    EXPECT_EQ(ReadFile(path), "# top\n\n[A]\nx =5\nw=4\n\n[B]\ny=2\nz=3\n");
    ASSERT_TRUE(p.DeleteKey("a", "X"));
    EXPECT_EQ(ReadFile(path), "# top\n\n[A]\nw=4\n\n[B]\ny=2\nz=3\n");
}

TEST(PosixProfileTest, NewLinesFollowTheFilesLineEnds)
{
    std::string path = ScratchDir() + "/crlf.ini";
    WriteFile(path, "[A]\r\nx=1\r\n");
    PosixProfile p(path);
    ASSERT_TRUE(p.WriteString("B", "y", "2"));
    EXPECT_EQ(ReadFile(path), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
}

TEST(PosixProfileTest, FirstOfDuplicateSectionsAndKeysWins)
{
    std::string path = ScratchDir() + "/dup.ini";
    WriteFile(path, "[A]\nx=1\nx=2\n[A]\nx=3\ny=4\n");
    PosixProfile p(path);
    EXPECT_EQ(p.ReadString("A", "x", ""), "1");
    EXPECT_EQ(p.ReadString("A", "y", "none"), "none");
}

#endif

}  // namespace
}  // namespace sw
