#pragma once

#include "app/calculator/presentation.h"

namespace qtview {

// Widgets are laid out at 96 dpi, 15 twips a pixel: Qt scales them to the screen itself, by
// its device-pixel ratio.
constexpr int kLayoutDpi = 96;

constexpr int twipsToPixels(int twips)
{
    return app::pixels(twips, kLayoutDpi);
}

} // namespace qtview
