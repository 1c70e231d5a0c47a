#pragma once

#include "standard/rope_tables.h"

#include <optional>
#include <span>
#include <string>

namespace standard {

// The read-out texts that one diameter pick writes. A box with no text here is not written and
// keeps what it shows.
struct Readouts {
    std::optional<std::string> naturalFibreWeight;
    std::optional<std::string> syntheticFibreWeight;
    std::optional<std::string> steelWeight;
    std::optional<std::string> fibreBreaking;
    std::optional<std::string> steelBreaking;
};

// The read-outs of row `row` for the core and grade selected now. The weights of the selected
// core, and its breaking force when the class is made in the grade; nothing without a core, or
// for a row outside the table, which a pick from the class's own list cannot give.
Readouts lookup(
    std::span<const SixStrandRow> table, int row, std::optional<Core> core, std::optional<Grade> grade);

// 18×7＋1: with the fibre core, its one weight and its breaking force in any grade.
Readouts lookup(
    std::span<const EighteenStrandRow> table, int row, std::optional<Core> core, std::optional<Grade> grade);

// The same for row `row` of the class's own table.
Readouts lookup(RopeClass ropeClass, int row, std::optional<Core> core, std::optional<Grade> grade);

} // namespace standard
