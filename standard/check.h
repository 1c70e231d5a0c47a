#pragma once

#include "common/safety_check.h"
#include "standard/rope_tables.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace standard {

// What the rope is for: installation work ("安装") or mine construction ("矿建").
enum class WorkType { Installation, MineConstruction };
inline constexpr std::size_t kWorkTypeCount = std::size_t(WorkType::MineConstruction) + 1;
// Each work type as the windows' buttons show it.
inline constexpr std::array<std::string_view, kWorkTypeCount> kWorkTypeNames { "安装", "矿建" };

// kN to kg: 1000 N per kN, 9.8 N per kg, not rounded.
inline constexpr double kNewtonsPerKn = 1000;
inline constexpr double kNewtonsPerKg = 9.8;
inline constexpr double kKgPerKn = kNewtonsPerKn / kNewtonsPerKg;

// Under "矿建" the breaking force is scaled by a coefficient of class and core, in the order of
// RopeClass. 18×7＋1 has no steel core.
struct MineCoefficients {
    double fibre;
    std::optional<double> steel;
};

inline constexpr std::array<MineCoefficients, kRopeClassCount> kMineCoefficients { {
    { 1.197, 1.287 }, // 6×19＋1
    { 1.249, 1.336 }, // 6×37＋1
    { 1.25, 1.316 }, // 6×61＋1
    { 1.283, std::nullopt }, // 18×7＋1
} };

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
