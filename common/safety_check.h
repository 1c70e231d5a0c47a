#pragma once

#include <optional>
#include <string_view>
#include <variant>

// What both "计  算" buttons share: their messages, the required factor, and the steps from the
// force on the rope to the verdict.
namespace common {

inline constexpr std::string_view kChooseRopeMessage = "请选择钢丝绳直径和钢丝绳公称抗拉强度";
inline constexpr std::string_view kEnterForceMessage = "请输入钢丝绳受力";
inline constexpr std::string_view kChoosePurposeMessage = "请选择钢丝绳用途或输入规程要求倍数";
inline constexpr std::string_view kTooWeakText = "重选钢丝绳";

// A message box to show; the check stops and every box keeps what it held.
struct Message {
    std::string_view text;
};
// The rope is strong enough: its actual safety factor, greater than the required one.
struct Passed {
    double factor;
};
// The actual safety factor is not greater than the required one.
struct TooWeak { };

using Verdict = std::variant<Message, Passed, TooWeak>;

// The factor the purpose text asks for: a purpose's own factor, or else a factor the user
// typed. Empty when the text is neither, or is a number followed by something else ("3,5").
std::optional<double> requiredFactor(std::string_view purpose);

// The check once the method has found a breaking force, in the unit of the force on the rope.
// `breaking` is empty when the method's breaking-force box is not one number as a whole.
// The force must be one number as a whole, and the quotient must fit a double: a force so
// small that it overflows is reported as a force to enter again, never shown as a result.
Verdict judge(std::optional<double> breaking, std::string_view force, std::string_view purpose);

} // namespace common
