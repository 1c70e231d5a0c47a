// Prints the window's size in pixels as the Qt window takes it from the control table, "522x421",
// so that the package check holds the unpacked program's picture to it.

#include "app/calculator/control_table.h"
#include "app/qt/twips.h"

#include <cstdio>

int main()
{
    std::printf(
        "%dx%d\n", qtview::twipsToPixels(app::kClientWidth), qtview::twipsToPixels(app::kClientHeight));
    return 0;
}
