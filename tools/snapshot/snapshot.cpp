// snapshot: draws the main window as the program shows it for a drive table, on the headless
// backend with fake platform services, into a PNG file (the window's own pixels, unblended).
//   snapshot drives.txt window.png
//   snapshot --colors-reg      prints the system colours it draws with, as a registry file
//                              for a Wine prefix, so Wine's pictures can be compared with it
//   snapshot --gallery out.png every owner-drawn control in its states on one page
#include <fstream>
#include <iostream>
#include <string>

#include "app/main_form.h"
#include "app/program.h"
#include "colors_reg.h"
#include "drive_table.h"
#include "gallery.h"
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
    if (argc != 3) {
        std::cerr << "usage: snapshot DRIVE_TABLE OUTPUT.png | snapshot --colors-reg"
                     " | snapshot --gallery OUTPUT.png\n";
        return 2;
    }
    if (std::string(argv[1]) == "--gallery")
        return WriteGallery(argv[2]);
    sw::FakePlatform platform;
    std::ifstream table(argv[1]);
    if (!table) {
        std::cerr << "snapshot: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::string error;
    if (!ReadDriveTable(table, *platform.drives, error)) {
        std::cerr << "snapshot: " << argv[1] << ": " << error << "\n";
        return 1;
    }
    UseHeadlessBackend();
    TForm1* form = CreateMainWindow(platform.Services());
    form->Show();
    form->PaintImage();
    if (!WritePng(form->Image(), argv[2])) {
        std::cerr << "snapshot: cannot write " << argv[2] << "\n";
        return 1;
    }
    std::cout << argv[2] << ": " << form->Width() << "x" << form->Height() << " at " << form->Left()
              << "," << form->Top() << "\n";
    return 0;
}
