// The main window's settings file and autostart value on the real system: the program, started
// from a folder whose path has a space in it, writes its settings with the private-profile calls,
// is refused by a read-only file and stays open, and writes and deletes the quoted Run value,
// reporting a Run key it may not write. Needs a display.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "app/main_form.h"
#include "app/program.h"
#include "platform/scratch_files.h"
#include "platform/services.h"
#include "win32/wine_env.h"
#include "ui/application.h"
#include "ui/menus.h"

// After the toolkit's headers, whose key names the system's macros would replace.
#include <windows.h>
#include <sddl.h>

namespace {

constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The system's paths, but for the executable, which is said to lie in a folder of the test's.
class ProgramPaths : public sw::IPaths {
public:
    ProgramPaths(std::string executable, std::shared_ptr<sw::IPaths> system)
        : FExecutable(std::move(executable)), FSystem(std::move(system))
    {
    }
    std::string ExecutablePath() override { return FExecutable; }
    bool FileExists(const std::string& path) override { return FSystem->FileExists(path); }

private:
    std::string FExecutable;
    std::shared_ptr<sw::IPaths> FSystem;
};

class RealSettingsTest : public ::testing::Test {
protected:
    void TearDown() override { Application().Reset(); }

    // The program as started from `folder`, with the system's services.
    void Start(const std::string& programFolder)
    {
        folder = programFolder;
        sw::PlatformServices services = sw::MakeNativeServices();
        services.paths = std::make_shared<ProgramPaths>(folder + "\\spacewell.exe", services.paths);
        Application().OnException = [this](const std::exception& e) { errors += e.what(); };
        form = CreateMainWindow(services);
    }
    void StartInScratchFolder()
    {
        const std::string dir = sw::ScratchDir() + "\\Space well";
        CreateDirectoryA(dir.c_str(), nullptr);
        Start(dir);
    }

    std::string Ini() const { return folder + "\\spacewell.ini"; }

    std::string folder;
    std::string errors;
    TForm1* form = nullptr;
};

std::string RunValue()
{
    char data[MAX_PATH * 2] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kRunKey, "Spacewell", RRF_RT_ANY, &type, data, &size) !=
        ERROR_SUCCESS)
        return "(none)";
    return std::string(data, size) + (type == REG_SZ ? "" : " (not REG_SZ)");
}

// Only reading and the owner's right to change it back are left on the Run key.
bool LockRunKey(const char* sddl)
{
    HKEY h = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, READ_CONTROL | WRITE_DAC, &h) !=
        ERROR_SUCCESS)
        return false;
    PSECURITY_DESCRIPTOR sd = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr);
    const bool ok = RegSetKeySecurity(h, DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
    LocalFree(sd);
    RegCloseKey(h);
    return ok;
}

TEST_F(RealSettingsTest, CloseReplacesTheValuesInPlace)
{
    StartInScratchFolder();
    form->SetBounds(40, 50, form->Width(), form->Height());
    sw::WriteFile(Ini(), "; mine\r\n[SETTINGS]\r\nLeft=10\r\n");
    Application().Guard([&] { form->Close(); });
    EXPECT_EQ(errors, "");
    EXPECT_TRUE(Application().Terminated());
    EXPECT_EQ(sw::ReadFile(Ini()),
              "; mine\r\n[SETTINGS]\r\nLeft=40\r\nTop=50\r\n[OPTIONS]\r\nModel=2\r\n"
              "Transparency=30\r\nGB=0\r\nOnTop=0\r\nMinimized=0\r\nAutoStart=0\r\n");
}

TEST_F(RealSettingsTest, AReadOnlyFileKeepsTheWindowOpenAndTheHotkeyHeld)
{
    using namespace sw;
    SW_REQUIRE_DRIVE(drive, "SPACEWELL_WINE_READONLY");
    Start(sw::Root(drive) + "Space well");
    EXPECT_EQ(form->Left(), 10) << "read, since it is there";
    Application().Guard([&] { form->Close(); });
    EXPECT_EQ(errors, "Unable to write to " + Ini());
    EXPECT_FALSE(Application().Terminated());
    EXPECT_EQ(sw::ReadFile(Ini()), "[SETTINGS]\r\nLeft=10\r\n");
    EXPECT_FALSE(RegisterHotKey(nullptr, 9, MOD_ALT | MOD_CONTROL, 'D')) << "still the program's";
}

TEST_F(RealSettingsTest, AutoStartWritesTheQuotedPathDeletesItAndReportsALockedKey)
{
    StartInScratchFolder();
    form->AutoStart1Click(form->AutoStart1);
    EXPECT_EQ(RunValue(), "\"" + folder + "\\spacewell.exe\"" + '\0');
    EXPECT_TRUE(form->AutoStart1->Checked());
    form->AutoStart1Click(form->AutoStart1);
    EXPECT_EQ(RunValue(), "(none)");
    EXPECT_FALSE(form->AutoStart1->Checked());
    EXPECT_EQ(errors, "");

    ASSERT_TRUE(LockRunKey("D:P(A;;KR;;;WD)"));
    Application().Guard([&] { form->AutoStart1Click(form->AutoStart1); });
    EXPECT_TRUE(LockRunKey("D:P(A;;KA;;;WD)"));
    EXPECT_EQ(errors, "Failed to set data for 'Spacewell'");
    EXPECT_FALSE(form->AutoStart1->Checked());
    EXPECT_EQ(RunValue(), "(none)");
}

}  // namespace
