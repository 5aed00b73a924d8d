// The main window's settings file and autostart value on the real system: the program, started
// from a folder whose path has a space in it, writes its settings with the private-profile calls,
// moves them to the user's folder when its own is read-only and stays open only when that is
// read-only too, and writes and deletes the quoted Run value, under the user's Run key when the
// machine's is locked, reporting only when both are. Needs a display.
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

// The system's paths, but for the executable, which is said to lie in a folder of the test's,
// and the user's data folder, when the test names one.
class ProgramPaths : public sw::IPaths {
public:
    ProgramPaths(std::string executable, std::string userData, std::shared_ptr<sw::IPaths> system)
        : FExecutable(std::move(executable)), FUserData(std::move(userData)),
          FSystem(std::move(system))
    {
    }
    std::string ExecutablePath() override { return FExecutable; }
    bool FileExists(const std::string& path) override { return FSystem->FileExists(path); }
    std::string UserSettingsFolder() override
    {
        return FUserData.empty() ? FSystem->UserSettingsFolder() : FUserData + "\\Spacewell";
    }
    bool CanWriteFile(const std::string& path) override { return FSystem->CanWriteFile(path); }
    bool CreateFolder(const std::string& path) override { return FSystem->CreateFolder(path); }

private:
    std::string FExecutable;
    std::string FUserData;
    std::shared_ptr<sw::IPaths> FSystem;
};

class RealSettingsTest : public ::testing::Test {
protected:
    void TearDown() override { Application().Reset(); }

    // The program as started from `folder`, with the system's services.
    void Start(const std::string& programFolder, const std::string& userData = "")
    {
        folder = programFolder;
        sw::PlatformServices services = sw::MakeNativeServices();
        services.paths =
            std::make_shared<ProgramPaths>(folder + "\\spacewell.exe", userData, services.paths);
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
    TMainWindow* form = nullptr;
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

std::string UserRunValue()
{
    char data[MAX_PATH * 2] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, kRunKey, "Spacewell", RRF_RT_REG_SZ, nullptr, data,
                     &size) != ERROR_SUCCESS)
        return "(none)";
    return std::string(data, size);
}

// Only reading and the owner's right to change it back are left on the Run key of `root`.
bool LockRunKey(HKEY root, const char* sddl)
{
    HKEY h = nullptr;
    if (RegCreateKeyExA(root, kRunKey, 0, nullptr, 0, READ_CONTROL | WRITE_DAC, nullptr, &h,
                        nullptr) != ERROR_SUCCESS)
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
              "Transparency=30\r\nGB=0\r\nOnTop=0\r\nMinimized=0\r\nAutoStart=0\r\n"
              "WarnWhenLow=1\r\n");
}

// A program folder that cannot be written sends the settings to the user's folder, read from
// beside the program only while the user's file does not exist yet.
TEST_F(RealSettingsTest, AReadOnlyProgramFolderKeepsTheSettingsInTheUsersFolder)
{
    using namespace sw;
    SW_REQUIRE_DRIVE(drive, "SPACEWELL_WINE_READONLY");
    const std::string userData = sw::ScratchDir() + "\\Roaming " + std::to_string(GetTickCount());
    const std::string userIni = userData + "\\Spacewell\\spacewell.ini";
    Start(sw::Root(drive) + "Space well", userData);
    EXPECT_EQ(form->SettingsFileName(), userIni);
    EXPECT_EQ(form->Left(), 10) << "read once from beside the program";
    form->SetBounds(30, 40, form->Width(), form->Height());
    Application().Guard([&] { form->Close(); });
    EXPECT_EQ(errors, "");
    EXPECT_TRUE(Application().Terminated());
    EXPECT_EQ(sw::ReadFile(Ini()), "[SETTINGS]\r\nLeft=10\r\n");
    EXPECT_NE(sw::ReadFile(userIni).find("Left=30\r\nTop=40\r\n"), std::string::npos);

    Application().Reset();
    Start(sw::Root(drive) + "Space well", userData);
    EXPECT_EQ(form->Left(), 30) << "now from the user's file";
}

// Only when the user's folder cannot be written either does the close stop.
TEST_F(RealSettingsTest, NoWritableFolderKeepsTheWindowOpenAndTheHotkeyHeld)
{
    using namespace sw;
    SW_REQUIRE_DRIVE(drive, "SPACEWELL_WINE_READONLY");
    const std::string userData = sw::Root(drive) + "Roaming";
    Start(sw::Root(drive) + "Space well", userData);
    EXPECT_EQ(form->Left(), 10) << "read, since it is there";
    Application().Guard([&] { form->Close(); });
    EXPECT_EQ(errors, "Unable to write to " + userData + "\\Spacewell\\spacewell.ini");
    EXPECT_FALSE(Application().Terminated());
    EXPECT_EQ(sw::ReadFile(Ini()), "[SETTINGS]\r\nLeft=10\r\n");
    EXPECT_FALSE(RegisterHotKey(nullptr, 9, MOD_ALT | MOD_CONTROL, 'D')) << "still the program's";
}

TEST_F(RealSettingsTest, AutoStartFallsBackToTheUsersKeyAndReportsOnlyWhenBothAreLocked)
{
    StartInScratchFolder();
    form->AutoStartChosen(form->AutoStartItem);
    EXPECT_EQ(RunValue(), "\"" + folder + "\\spacewell.exe\"" + '\0');
    EXPECT_TRUE(form->AutoStartItem->Checked());
    form->AutoStartChosen(form->AutoStartItem);
    EXPECT_EQ(RunValue(), "(none)");
    EXPECT_FALSE(form->AutoStartItem->Checked());
    EXPECT_EQ(errors, "");

    // A refused machine-wide key sends the value to the user's key.
    ASSERT_TRUE(LockRunKey(HKEY_LOCAL_MACHINE, "D:P(A;;KR;;;WD)"));
    Application().Guard([&] { form->AutoStartChosen(form->AutoStartItem); });
    EXPECT_EQ(errors, "");
    EXPECT_TRUE(form->AutoStartItem->Checked());
    EXPECT_EQ(RunValue(), "(none)");
    EXPECT_EQ(UserRunValue(), "\"" + folder + "\\spacewell.exe\"" + '\0');
    Application().Guard([&] { form->AutoStartChosen(form->AutoStartItem); });
    EXPECT_EQ(UserRunValue(), "(none)");

    // Neither key writable: reported, and the check mark stays.
    ASSERT_TRUE(LockRunKey(HKEY_CURRENT_USER, "D:P(A;;KR;;;WD)"));
    Application().Guard([&] { form->AutoStartChosen(form->AutoStartItem); });
    EXPECT_TRUE(LockRunKey(HKEY_CURRENT_USER, "D:P(A;;KA;;;WD)"));
    EXPECT_TRUE(LockRunKey(HKEY_LOCAL_MACHINE, "D:P(A;;KA;;;WD)"));
    EXPECT_EQ(errors, "Failed to set data for 'Spacewell'");
    EXPECT_FALSE(form->AutoStartItem->Checked());
    EXPECT_EQ(RunValue(), "(none)");
    EXPECT_EQ(UserRunValue(), "(none)");
}

}  // namespace
