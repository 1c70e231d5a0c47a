#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace common {

struct Purpose {
    std::string_view text;
    double requiredFactor;
};

// The purposes both checks recognise, in the order the purpose lists show them (the pinyin
// order of the names). The factor is the safety factor the regulations require for that use;
// it is held here, never read from the digits that end each text.
inline constexpr std::array<Purpose, 8> kPurposes { {
    { "绑扎绳10", 10 }, // lashing rope
    { "地锚绳3.5", 3.5 }, // ground-anchor rope
    { "井架提升6", 6 }, // headframe hoisting
    { "矿井提人9", 9 }, // mine-shaft hoisting of persons
    { "矿井提物7.5", 7.5 }, // mine-shaft hoisting of material
    { "矿井悬吊6", 6 }, // mine-shaft suspension
    { "缆绳3.5", 3.5 }, // guy rope
    { "载人升降14", 14 }, // passenger lift
} };

// The factor of the purpose whose text equals the whole text exactly (blanks and case
// count), or empty when no purpose has that text.
std::optional<double> purposeFactor(std::string_view text);

} // namespace common
