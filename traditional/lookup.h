#pragma once

#include "traditional/rope_tables.h"

#include <optional>
#include <string>
#include <string_view>

namespace traditional {

// Shown in all four read-outs for a diameter that the 200 kg/mm2 grade is not made in.
inline constexpr std::string_view kNoSuchModel = "无此型号";

struct Forces {
    std::string total;
    std::string rope;
};

// The read-out texts of one picked diameter. Without a grade only area and weight are known.
struct Readouts {
    std::string area;
    std::string weight;
    std::optional<Forces> forces;
};

// The read-outs of row `row` for the grade selected now (none: empty). Empty when the row is
// not in the table, which a pick from the class's own list cannot give.
std::optional<Readouts> lookup(const RopeTable &table, int row, std::optional<Grade> grade);

// The same for row `row` of the class's own table; 18×7＋1 has none.
inline std::optional<Readouts> lookup(RopeClass ropeClass, int row, std::optional<Grade> grade)
{
    return lookup(tableOf(ropeClass), row, grade);
}

} // namespace traditional
