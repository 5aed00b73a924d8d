// snapshot: draws the main window as the program shows it for a drive table, on the headless
// backend with fake platform services, into a PNG file (the window's own pixels, unblended).
//   snapshot drives.txt window.png
//   snapshot --keys g1 drives.txt window.png
//                              the same after typing the keys on the shown window
//   snapshot --dpi 144 ...     the same at a display scale (96 = 100 %, 144 = 150 %), before
//                              the other options
//   snapshot --colors-reg      prints the system colours it draws with, as a registry file
//                              for a Wine prefix, so Wine's pictures can be compared with it
//   snapshot --gallery out.png every owner-drawn control in its states on one page
//   snapshot --memory drives.txt memory.png
//                              the memory window as ">>" brings it out beside that main
//                              window, with fixed memory figures
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "app/main_form.h"
#include "app/program.h"
#include "colors_reg.h"
#include "drive_table.h"
#include "gallery.h"
#include "memory_snapshot.h"
#include "platform/fake/fake_platform.h"
#include "png_file.h"
#include "ui/headless/headless_backend.h"

namespace {

int WriteGallery(const char* path)
{
    UseHeadlessBackend();
    const TBitmap page = BuildGallery();
    if (!WritePng(page, path)) {
        std::cerr << "snapshot: cannot write " << path << "\n";
        return 1;
    }
    std::cout << path << ": " << page.Width() << "x" << page.Height() << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--colors-reg") {
        WriteColorsReg(std::cout);
        return 0;
    }
    // The display scale the windows are built for.
    int dpi = 96;
    if (argc >= 3 && std::string(argv[1]) == "--dpi") {
        dpi = std::atoi(argv[2]);
        argv += 2;
        argc -= 2;
        if (dpi < 48 || dpi > 480) {
            std::cerr << "snapshot: --dpi takes 48 to 480 dots per inch\n";
            return 2;
        }
    }
    // Keys typed on the shown main window before it is drawn, as a user would type them.
    std::string keys;
    if (argc >= 3 && std::string(argv[1]) == "--keys") {
        keys = argv[2];
        argv += 2;
        argc -= 2;
    }
    const bool memory = argc == 4 && std::string(argv[1]) == "--memory";
    if (argc != 3 && !memory) {
        std::cerr << "usage: snapshot [--dpi DPI] [--keys KEYS] DRIVE_TABLE OUTPUT.png | snapshot "
                     "--colors-reg"
                     " | snapshot --gallery OUTPUT.png | snapshot --memory DRIVE_TABLE"
                     " OUTPUT.png\n";
        return 2;
    }
    if (std::string(argv[1]) == "--gallery")
        return WriteGallery(argv[2]);
    const char* tablePath = argv[argc - 2];
    const char* outPath = argv[argc - 1];
    sw::FakePlatform platform;
    std::ifstream table(tablePath);
    if (!table) {
        std::cerr << "snapshot: cannot read " << tablePath << "\n";
        return 1;
    }
    std::string error;
    if (!ReadDriveTable(table, *platform.drives, error)) {
        std::cerr << "snapshot: " << tablePath << ": " << error << "\n";
        return 1;
    }
    if (memory)
        return WriteMemorySnapshot(platform, outPath, dpi);
    UseHeadlessBackend().SetSystemDpi(dpi);
    TMainWindow* form = CreateMainWindow(platform.Services());
    form->Show();
    for (char key : keys)
        Headless().TypeChar(key);
    form->PaintImage();
    if (!WritePng(form->Image(), outPath)) {
        std::cerr << "snapshot: cannot write " << outPath << "\n";
        return 1;
    }
    std::cout << outPath << ": " << form->Width() << "x" << form->Height() << " at " << form->Left()
              << "," << form->Top() << "\n";
    return 0;
}
