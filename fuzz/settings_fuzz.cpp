// Bad settings files. Each input is taken as the text of the settings file: first read and
// edited by the ini rules the settings use, then the whole main window is created headlessly
// over it, the memory window slid open beside it and back (its place follows the main window's,
// wherever the file put that), and the program closed, which writes every setting back into the
// same text. Nothing may crash, trip a sanitizer or hang, and what is written must read back.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_form.h"
#include "app/program.h"
#include "platform/fake/fake_platform.h"
#include "platform/ini_text.h"
#include "platform/profile.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

const std::string kExecutable = "C:\\Spacewell\\OrvaneTully.exe";
const std::string kSettingsFile = "C:\\Spacewell\\OrvaneTully.ini";

struct SettingKey {
    const char* section;
    const char* key;
};

constexpr SettingKey kKeys[] = {{"SETTINGS", "Left"},     {"SETTINGS", "Top"},
                                {"OPTIONS", "Model"},     {"OPTIONS", "Transparency"},
                                {"OPTIONS", "GB"},        {"OPTIONS", "OnTop"},
                                {"OPTIONS", "Minimized"}, {"OPTIONS", "AutoStart"}};

[[noreturn]] void Fail(const char* what, const SettingKey& key)
{
    std::fprintf(stderr, "%s: [%s] %s\n", what, key.section, key.key);
    std::abort();
}

// Every value the settings read, as integer and as Boolean; a number read back from its decimal
// text (how the settings are saved) and a value written into the text read back unchanged.
void ReadAndEdit(const std::string& text)
{
    sw::FakeProfileFiles files;
    files.SetText(kSettingsFile, text);
    const auto profile = files.Open(kSettingsFile);
    for (const SettingKey& k : kKeys) {
        const int number = sw::ReadProfileInteger(*profile, k.section, k.key, 7);
        sw::ReadProfileBool(*profile, k.section, k.key, true);
        if (sw::ParseProfileInteger(std::to_string(number)) != number)
            Fail("a saved number does not read back", k);
        const std::string edited = sw::SetIniValue(text, k.section, k.key, "-42");
        if (sw::FindIniValue(edited, k.section, k.key) != "-42")
            Fail("a written value does not read back", k);
        sw::DeleteIniValue(edited, k.section, k.key);
    }
}

// The program started as spacewell.exe starts it, with one fixed drive, the memory window opened
// and closed, then the program closed.
void StartAndClose(const std::string& text)
{
    UseHeadlessBackend();
    sw::FakePlatform platform;
    platform.paths->Executable = kExecutable;
    platform.paths->ExistingFiles.insert(kSettingsFile);
    platform.profiles->SetText(kSettingsFile, text);
    sw::FakeDrive drive;
    drive.kind = sw::DriveKind::Fixed;
    drive.totalBytes = std::int64_t{40000} << 20;
    drive.freeBytes = std::int64_t{14805} << 20;
    platform.drives->Set('C', drive);

    TMainWindow* form = CreateMainWindow(platform.Services());
    Application().Run();
    form->MemoryButtonClick(form);
    form->MemoryButtonClick(form);
    if (form->MemoryWindowOpen())
        Fail("the memory window did not close", kKeys[0]);
    form->Close();
    const auto saved = platform.profiles->Open(kSettingsFile);
    if (sw::ReadProfileInteger(*saved, "SETTINGS", "Left", form->Left() + 1) != form->Left())
        Fail("the saved position does not read back", kKeys[0]);
    Application().Reset();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ReadAndEdit(text);
    StartAndClose(text);
    return 0;
}
