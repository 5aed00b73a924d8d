// Writes the program's icon as a PNG file at one size, for the desktops' icon theme: the same
// picture the window and the notification area show, drawn on the size's own pixel grid.
// Usage: app_icon_png SIZE FILE
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/app_icon.h"
#include "png_file.h"

int main(int argc, char** argv)
{
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size < 16 || size > 512) {
        std::fprintf(stderr, "usage: app_icon_png SIZE(16-512) FILE\n");
        return 2;
    }
    if (!WritePng(SpacewellIconPicture(size), argv[2])) {
        std::fprintf(stderr, "app_icon_png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
