#pragma once

#include "common/safety_check.h"

#include <string_view>

namespace traditional {

// The traditional "计  算": the rope breaking force read-out divided by the force on the rope,
// both in kg, against the factor the purpose requires. Takes the three texts as they stand in
// their boxes; "无此型号" and an empty read-out both mean no rope has been chosen.
common::Verdict check(std::string_view breaking, std::string_view force, std::string_view purpose);

} // namespace traditional
