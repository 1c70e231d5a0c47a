#pragma once

namespace common {

struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb &) const = default;
};

// A result box is white whenever it is emptied, and red when the rope is too weak.
inline constexpr Rgb kResultWhite { 255, 255, 255 };
inline constexpr Rgb kResultRed { 255, 0, 0 };

} // namespace common
