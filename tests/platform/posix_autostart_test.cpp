// Autostart entries on Linux: the Exec quoting of awkward paths, and the entries in scratch
// machine and user folders.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>

#include "platform/posix/desktop_entry.h"
#include "platform/posix/posix_autostart.h"
#include "scratch_files.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

// Quotes only where a shell would split or expand, '%' doubled everywhere, and the backslashes
// of the quoting doubled again by the string escapes.
TEST(DesktopEntryTest, ExecQuotesAwkwardPathsAndReadsThemBack)
{
    const struct {
        const char* path;
        const char* written;
    } rows[] = {
        {"/usr/bin/spacewell", "/usr/bin/spacewell"},
        {"/opt/space well/spacewell", R"("/opt/space well/spacewell")"},
        {"/opt/100%/spacewell", "/opt/100%%/spacewell"},
        {"/opt/say \"hi\"/sw", R"("/opt/say \\"hi\\"/sw")"},
        {"/opt/$HOME/`id`/sw", R"("/opt/\\$HOME/\\`id\\`/sw")"},
        {"/opt/back\\slash/sw", R"("/opt/back\\\\slash/sw")"},
        {"/opt/50% off;now/sw", R"("/opt/50%% off;now/sw")"},
        {"/opt/new\nline/sw", R"("/opt/new\nline/sw")"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ExecValueFor(row.path), row.written) << row.path;
        EXPECT_EQ(ProgramOfExec(row.written), row.path) << row.written;
    }
    EXPECT_EQ(ProgramOfExec("spacewell --hidden %U"), "spacewell");
    EXPECT_EQ(ProgramOfExec(R"("/opt/never closed)"), "");
}

class PosixAutostartTest : public testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(root);
        fs::create_directories(machine);
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root = fs::path(ScratchDir()) / "autostart";
    fs::path machine = root / "etc";
    fs::path user = root / "home" / "autostart";
    std::string program = "/opt/space well/spacewell";
    PosixAutostart autostart{machine.string(), user.string(), program};
    std::string userEntry() { return ReadFile((user / "spacewell.desktop").string()); }
};

TEST_F(PosixAutostartTest, OnFallsBackToTheUserAndOffRemovesTheEntry)
{
    SetAutostart(autostart, "Spacewell", program, true);
    EXPECT_FALSE(fs::exists(machine / "spacewell.desktop")) << "the machine's folder is not ours";
    const std::string text = userEntry();
    for (const char* line : {"[Desktop Entry]\n", "\nType=Application\n", "\nName=Spacewell\n",
                             "\nExec=\"/opt/space well/spacewell\"\n", "\nHidden=false\n",
                             "\nX-GNOME-Autostart-enabled=true\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    EXPECT_TRUE(autostart.IsOn(AutostartScope::User, "SPACEWELL"));
    EXPECT_FALSE(autostart.IsOn(AutostartScope::Machine, "Spacewell"));
    SetAutostart(autostart, "Spacewell", program, false);
    EXPECT_FALSE(fs::exists(user / "spacewell.desktop"));
    EXPECT_FALSE(autostart.IsOn(AutostartScope::User, "Spacewell"));
    SetAutostart(autostart, "Spacewell", program, false);
}

// Entries the desktops would not start with this program count as off.
TEST_F(PosixAutostartTest, HiddenDisabledOrForeignEntriesAreOff)
{
    fs::create_directories(user);
    const auto entry = [](const std::string& lines) { return "[Desktop Entry]\n" + lines + "\n"; };
    for (const std::string& text :
         {entry("Exec=\"/opt/space well/spacewell\"\nHidden=true"),
          entry("Exec=\"/opt/space well/spacewell\"\nX-GNOME-Autostart-enabled=false"),
          entry("Exec=/usr/bin/other"), entry("Exec=/opt/space well/spacewell"),
          std::string("[Other]\nExec=spacewell\n")}) {
        WriteFile((user / "spacewell.desktop").string(), text);
        EXPECT_FALSE(autostart.IsOn(AutostartScope::User, "Spacewell")) << text;
    }
}

// The administrator's entry cannot be removed by a user; switching off hides it for the user.
TEST_F(PosixAutostartTest, MachineEntryIsReadAndHiddenForTheUser)
{
    WriteFile((machine / "spacewell.desktop").string(), "[Desktop Entry]\nExec=spacewell\n");
    EXPECT_TRUE(autostart.IsOn(AutostartScope::Machine, "Spacewell"));
    EXPECT_FALSE(autostart.TurnOff(AutostartScope::Machine, "Spacewell"));
    SetAutostart(autostart, "Spacewell", program, false);
    EXPECT_NE(userEntry().find("\nHidden=true\n"), std::string::npos) << userEntry();
    EXPECT_FALSE(autostart.IsOn(AutostartScope::User, "Spacewell"));
    SetAutostart(autostart, "Spacewell", program, true);
    EXPECT_TRUE(autostart.IsOn(AutostartScope::User, "Spacewell"));
}

// A plain file where the folder belongs stands in for a folder that cannot be written, which
// permissions cannot show to a test running as root.
TEST_F(PosixAutostartTest, UnwritableFolderIsReported)
{
    fs::create_directories(user.parent_path());
    WriteFile(user.string(), "not a folder");
    try {
        SetAutostart(autostart, "Spacewell", program, true);
        ADD_FAILURE() << "no scope took the entry, yet nothing was raised";
    } catch (const EAutostartError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Spacewell'");
    }
    EXPECT_EQ(ReadFile(user.string()), "not a folder");
}

// HOME and XDG_CONFIG_HOME as a login sets them, put back afterwards.
TEST(PosixAutostartFolderTest, UserFolderFollowsXdgConfigHome)
{
    std::map<std::string, std::optional<std::string>> saved;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME"})
        saved[name] =
            std::getenv(name) ? std::optional<std::string>(std::getenv(name)) : std::nullopt;
    setenv("HOME", "/home/ann", 1);
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(PosixAutostart::UserFolder(), "/cfg/autostart");
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(PosixAutostart::UserFolder(), "/home/ann/.config/autostart");
    for (const auto& [name, value] : saved)
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
}

}  // namespace
}  // namespace sw
#endif
