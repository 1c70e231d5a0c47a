#pragma once

namespace qtview {

// The window is laid out in twips; at 96 dpi 15 twips make one pixel. Larger screens are
// left to Qt's device-pixel scaling.
constexpr int twipsToPixels(int twips)
{
    return (2 * twips + 15) / 30;
}

} // namespace qtview
