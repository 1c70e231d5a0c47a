#pragma once

#include "common/safety_check.h"
#include "standard/rope_tables.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace standard {

// What the rope is for: installation work ("安装") or mine construction ("矿建").
enum class WorkType { Installation, MineConstruction };
inline constexpr std::size_t kWorkTypeCount = std::size_t(WorkType::MineConstruction) + 1;

// The buttons the check reads, as selected now; empty where none of a group is selected.
struct Choices {
    std::optional<RopeClass> ropeClass;
    std::optional<Core> core;
    std::optional<WorkType> work;
};

// The breaking force the check divides, in kg: the selected core's read-out (kN) turned into kg,
// times the coefficient of class and core under "矿建". 0 where the choices give no case (see
// check); empty when the selected core's box is not one number as a whole.
std::optional<double> breakingForce(
    std::string_view fibreBreaking, std::string_view steelBreaking, const Choices &choices);

// The standard "计  算". The breaking force of the selected core (kN) is turned into kg, times
// the coefficient of class and core under "矿建", and divided by the force on the rope (kg).
// Without a core or a work type, or under "矿建" without a class, the breaking force counts as
// 0, so the rope is too weak for any factor of 0 or more. Takes the texts as they stand in
// their boxes: the two breaking-force read-outs, the force and the purpose.
common::Verdict check(std::string_view fibreBreaking, std::string_view steelBreaking, std::string_view force,
    std::string_view purpose, const Choices &choices);

} // namespace standard
