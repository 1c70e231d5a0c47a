#pragma once

#include "standard/check.h"
#include "standard/rope_tables.h"
#include "traditional/rope_tables.h"

#include <algorithm>
#include <array>
#include <concepts>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

// The window's controls as data: kind, number, containing frame, caption, rectangle in twips
// (relative to the inside of the containing frame, or to the client area for the two method
// frames) and keyboard tab index. The builder turns each row into one widget named kind+number
// ("Frame7", "Combo10"), so the rows read like the window's design sheet.
namespace app {

// The window itself: its caption, which is also the application's title, and its client area.
inline constexpr std::string_view kWindowCaption = "钢丝绳安全系数计算器";
inline constexpr int kClientWidth = 7826;
inline constexpr int kClientHeight = 6314;

enum class Kind { Frame, Label, Option, Combo, Text, Command };
inline constexpr std::size_t kKindCount = 6;
// What a control's name begins with, by kind: "Frame7", "Combo10".
inline constexpr std::array<std::string_view, kKindCount> kKindNames { "Frame", "Label", "Option", "Combo",
    "Text", "Command" };

// A control by kind and number; number 0 is the window itself.
struct Ref {
    Kind kind = Kind::Frame;
    int number = 0;
    bool operator==(const Ref &) const = default;
};

// A control of one kind, by number. Handlers write through these, so that writing a list where
// a box is meant does not compile; each still reads as the plain reference it is.
template <Kind K> struct Control {
    int number = 0;
    constexpr operator Ref() const { return { K, number }; }
    bool operator==(const Control &) const = default;
};

using Box = Control<Kind::Text>;
using List = Control<Kind::Combo>;
using OptionButton = Control<Kind::Option>;
using Button = Control<Kind::Command>;

constexpr Control<Kind::Frame> frame(int n)
{
    return { n };
}
constexpr Control<Kind::Label> label(int n)
{
    return { n };
}
constexpr OptionButton option(int n)
{
    return { n };
}
constexpr List combo(int n)
{
    return { n };
}
constexpr Box text(int n)
{
    return { n };
}
constexpr Button command(int n)
{
    return { n };
}

enum class Style {
    Plain,
    Centred, // a label whose text is centred in its box
    ReadOnly, // a read-out the program writes and the user cannot edit
};

struct ControlSpec {
    Kind kind;
    int number;
    Ref parent;
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    Style style;
};

// Upper frame: the traditional method; lower frame: the standard method. Class and grade
// captions are the names the methods' tables give them; " 破断拉力" keeps its leading blank; "计  算" has
// two. Labels marked "design:" are wider than the design sheet so that their caption fits in the 9-point
// dialog font, where an ideograph, "×" and "＋" are 12 pixels wide and a digit 6: "6×19＋1" needs 48 pixels
// (720 twips), "纤维芯" 36 (540 twips). Label3 moves left so as not to reach under its button; Label28 moves
// left so as to end where Option19 begins. The diameter lists are one pixel wider, so that a picked "φ11.0"
// (33.1 pixels) and the cursor fit their field and the field does not scroll its first pixel out of sight.
inline constexpr std::array<ControlSpec, 95> kControls { {
    { Kind::Frame, 1, Ref {}, "传统安全系数计算方法", 126, 126, 7574, 2912, 0, Style::Plain },
    { Kind::Frame, 7, Ref {}, "安全系数计算方法", 126, 3276, 7574, 2912, 43, Style::Plain },
    { Kind::Frame, 2, frame(1), "钢丝绳类别", 252, 252, 4662, 588, 1, Style::Plain },
    { Kind::Command, 1, frame(1), "计  算", 5040, 320, 770, 646, 32, Style::Plain },
    { Kind::Frame, 6, frame(1), "", 5922, 252, 1400, 2436, 31, Style::Plain },
    { Kind::Frame, 3, frame(1), "强度", 252, 1008, 1300, 1680, 10, Style::Plain },
    { Kind::Frame, 4, frame(1), "钢丝绳直径", 1638, 1008, 4172, 646, 21, Style::Plain },
    { Kind::Frame, 5, frame(1), "钢丝绳参数", 1638, 1788, 4172, 900, 26, Style::Plain },
    { Kind::Label, 1, frame(2), traditional::kRopeClassNames[0], 100, 260, 720, 156, 3,
        Style::Plain }, // design: 700 wide
    { Kind::Option, 1, frame(2), "", 830, 230, 266, 266, 2, Style::Plain },
    { Kind::Label, 2, frame(2), traditional::kRopeClassNames[1], 1273, 260, 720, 156, 4,
        Style::Plain }, // design: 700 wide
    { Kind::Option, 2, frame(2), "", 1993, 230, 266, 266, 7, Style::Plain },
    { Kind::Label, 3, frame(2), traditional::kRopeClassNames[2], 2436, 260, 720, 156, 5,
        Style::Plain }, // design: 2446, 700
    { Kind::Option, 3, frame(2), "", 3156, 230, 266, 266, 8, Style::Plain },
    { Kind::Label, 4, frame(2), traditional::kRopeClassNames[3], 3620, 260, 720, 156, 6,
        Style::Plain }, // design: 700 wide
    { Kind::Option, 4, frame(2), "", 4350, 230, 266, 266, 9, Style::Plain },
    { Kind::Label, 5, frame(3), traditional::kGradeNames[0], 100, 252, 896, 200, 11, Style::Plain },
    { Kind::Option, 5, frame(3), "", 1008, 230, 266, 266, 12, Style::Plain },
    { Kind::Label, 6, frame(3), traditional::kGradeNames[1], 100, 535, 896, 200, 13, Style::Plain },
    { Kind::Option, 6, frame(3), "", 1008, 512, 266, 266, 17, Style::Plain },
    { Kind::Label, 7, frame(3), traditional::kGradeNames[2], 100, 818, 896, 200, 14, Style::Plain },
    { Kind::Option, 7, frame(3), "", 1008, 794, 266, 266, 18, Style::Plain },
    { Kind::Label, 8, frame(3), traditional::kGradeNames[3], 100, 1101, 896, 200, 15, Style::Plain },
    { Kind::Option, 8, frame(3), "", 1008, 1076, 266, 266, 19, Style::Plain },
    { Kind::Label, 9, frame(3), traditional::kGradeNames[4], 100, 1386, 896, 200, 16, Style::Plain },
    { Kind::Option, 9, frame(3), "", 1008, 1360, 266, 266, 20, Style::Plain },
    { Kind::Combo, 1, frame(4), "", 126, 252, 911, 280, 22, Style::Plain }, // design: 896 wide
    { Kind::Combo, 2, frame(4), "", 1134, 252, 911, 280, 23, Style::Plain }, // design: 896 wide
    { Kind::Combo, 3, frame(4), "", 2142, 252, 911, 280, 24, Style::Plain }, // design: 896 wide
    { Kind::Combo, 4, frame(4), "", 3150, 252, 911, 280, 25, Style::Plain }, // design: 896 wide
    { Kind::Label, 10, frame(5), "总断面面积", 138, 280, 896, 168, 27, Style::Plain },
    { Kind::Text, 1, frame(5), "", 126, 520, 896, 266, 28, Style::ReadOnly },
    { Kind::Label, 11, frame(5), "每百米重量", 1156, 280, 896, 168, 29, Style::Plain },
    { Kind::Text, 2, frame(5), "", 1134, 520, 896, 266, 30, Style::ReadOnly },
    { Kind::Label, 12, frame(5), "总破断拉力", 2150, 280, 896, 168, 40, Style::Plain },
    { Kind::Text, 3, frame(5), "", 2142, 520, 896, 266, 39, Style::ReadOnly },
    { Kind::Label, 13, frame(5), " 破断拉力", 3150, 280, 896, 168, 42, Style::Plain },
    { Kind::Text, 4, frame(5), "", 3150, 520, 896, 266, 41, Style::ReadOnly },
    { Kind::Label, 14, frame(6), "钢丝绳受力", 126, 220, 1148, 168, 33, Style::Centred },
    { Kind::Text, 5, frame(6), "", 126, 460, 1148, 266, 34, Style::Plain },
    { Kind::Label, 15, frame(6), "钢丝绳用途", 126, 1027, 1148, 168, 35, Style::Centred },
    { Kind::Combo, 5, frame(6), "", 126, 1260, 1148, 280, 38, Style::Plain },
    { Kind::Label, 16, frame(6), "安全系数", 126, 1820, 1148, 168, 37, Style::Centred },
    { Kind::Text, 6, frame(6), "", 126, 2060, 1148, 266, 36, Style::Plain },
    { Kind::Frame, 8, frame(7), "钢丝绳类别", 252, 252, 4676, 588, 44, Style::Plain },
    { Kind::Command, 2, frame(7), "计  算", 5040, 320, 770, 646, 65, Style::Plain },
    { Kind::Frame, 13, frame(7), "", 5922, 252, 1400, 2436, 80, Style::Plain },
    { Kind::Frame, 9, frame(7), "强度", 252, 1008, 1300, 1680, 53, Style::Plain },
    { Kind::Frame, 10, frame(7), "钢丝绳直径", 1638, 1008, 4172, 646, 54, Style::Plain },
    { Kind::Frame, 11, frame(7), "近似重量:kg/100m", 1638, 1788, 2304, 900, 59, Style::Plain },
    { Kind::Frame, 12, frame(7), "最小破断拉力:KN", 4032, 1788, 1778, 900, 62, Style::Plain },
    { Kind::Label, 17, frame(8), standard::kRopeClassNames[0], 100, 260, 720, 160, 45,
        Style::Plain }, // design: 700 wide
    { Kind::Option, 10, frame(8), "", 830, 230, 266, 266, 49, Style::Plain },
    { Kind::Label, 18, frame(8), standard::kRopeClassNames[1], 1273, 260, 720, 160, 46,
        Style::Plain }, // design: 700 wide
    { Kind::Option, 11, frame(8), "", 2016, 230, 266, 266, 50, Style::Plain },
    { Kind::Label, 19, frame(8), standard::kRopeClassNames[2], 2446, 260, 720, 160, 47,
        Style::Plain }, // design: 700 wide
    { Kind::Option, 12, frame(8), "", 3176, 230, 266, 266, 51, Style::Plain },
    { Kind::Label, 20, frame(8), standard::kRopeClassNames[3], 3620, 260, 720, 160, 48,
        Style::Plain }, // design: 700 wide
    { Kind::Option, 13, frame(8), "", 4350, 230, 266, 266, 52, Style::Plain },
    { Kind::Label, 21, frame(9), standard::kGradeNames[0], 100, 252, 896, 200, 66, Style::Plain },
    { Kind::Option, 14, frame(9), "", 1008, 230, 266, 266, 67, Style::Plain },
    { Kind::Label, 22, frame(9), standard::kGradeNames[1], 100, 538, 896, 196, 68, Style::Plain },
    { Kind::Option, 15, frame(9), "", 1008, 512, 266, 266, 71, Style::Plain },
    { Kind::Label, 23, frame(9), standard::kGradeNames[2], 100, 820, 896, 196, 69, Style::Plain },
    { Kind::Option, 16, frame(9), "", 1008, 794, 266, 266, 72, Style::Plain },
    { Kind::Label, 24, frame(9), standard::kGradeNames[3], 100, 1102, 896, 196, 70, Style::Plain },
    { Kind::Option, 17, frame(9), "", 1008, 1076, 266, 266, 73, Style::Plain },
    { Kind::Label, 33, frame(9), standard::kGradeNames[4], 100, 1386, 896, 200, 88, Style::Plain },
    { Kind::Option, 18, frame(9), "", 1008, 1360, 266, 266, 86, Style::Plain },
    { Kind::Combo, 6, frame(10), "", 126, 252, 911, 280, 55, Style::Plain }, // design: 896 wide
    { Kind::Combo, 7, frame(10), "", 1134, 252, 911, 280, 56, Style::Plain }, // design: 896 wide
    { Kind::Combo, 8, frame(10), "", 2142, 252, 911, 280, 57, Style::Plain }, // design: 896 wide
    { Kind::Combo, 9, frame(10), "", 3150, 252, 911, 280, 58, Style::Plain }, // design: 896 wide
    { Kind::Label, 25, frame(11), "天然芯", 100, 280, 645, 196, 77, Style::Centred },
    { Kind::Text, 7, frame(11), "", 100, 520, 645, 266, 76, Style::ReadOnly },
    { Kind::Label, 26, frame(11), "合成芯", 830, 280, 645, 196, 74, Style::Centred },
    { Kind::Text, 8, frame(11), "", 830, 520, 645, 266, 60, Style::ReadOnly },
    { Kind::Label, 27, frame(11), "钢 芯", 1560, 280, 645, 196, 75, Style::Centred },
    { Kind::Text, 9, frame(11), "", 1512, 520, 645, 266, 61, Style::ReadOnly },
    { Kind::Label, 28, frame(12), "纤维芯", 90, 280, 540, 196, 78, Style::Plain }, // design: 98, 500
    { Kind::Option, 19, frame(12), "", 630, 236, 266, 266, 81, Style::Plain },
    { Kind::Label, 29, frame(12), "钢 芯", 950, 280, 735, 200, 79, Style::Plain },
    { Kind::Option, 20, frame(12), "", 1450, 236, 266, 266, 87, Style::Plain },
    { Kind::Text, 10, frame(12), "", 100, 520, 735, 266, 63, Style::ReadOnly },
    { Kind::Text, 11, frame(12), "", 935, 520, 735, 266, 64, Style::ReadOnly },
    { Kind::Label, 34, frame(13), standard::kWorkTypeNames[0], 206, 196, 378, 196, 89, Style::Plain },
    { Kind::Option, 21, frame(13), "", 280, 378, 350, 236, 90, Style::Plain },
    { Kind::Label, 35, frame(13), standard::kWorkTypeNames[1], 846, 196, 364, 196, 91, Style::Plain },
    { Kind::Option, 22, frame(13), "", 890, 378, 350, 236, 92, Style::Plain },
    { Kind::Label, 30, frame(13), "钢丝绳受力", 126, 666, 1148, 168, 82, Style::Centred },
    { Kind::Text, 12, frame(13), "", 126, 882, 1148, 266, 83, Style::Plain },
    { Kind::Label, 31, frame(13), "钢丝绳用途", 126, 1286, 1148, 168, 84, Style::Centred },
    { Kind::Combo, 10, frame(13), "", 126, 1512, 1148, 280, 94, Style::Plain },
    { Kind::Label, 32, frame(13), "安全系数", 126, 1860, 1148, 168, 85, Style::Centred },
    { Kind::Text, 13, frame(13), "", 126, 2066, 1148, 266, 93, Style::Plain },
} };

// What a screen reader announces for each control without a caption of its own: the caption of
// the label beside or above it; for a diameter list, which has none, its frame's caption and its
// class's label. A label is also the buddy of the first control it names.
struct NamedBy {
    Ref control;
    Ref by;
    Ref also {}; // number 0: nothing more
};

inline constexpr std::array<NamedBy, 45> kNamedBy { {
    { option(1), label(1) },
    { option(2), label(2) },
    { option(3), label(3) },
    { option(4), label(4) },
    { option(5), label(5) },
    { option(6), label(6) },
    { option(7), label(7) },
    { option(8), label(8) },
    { option(9), label(9) },
    { text(1), label(10) },
    { text(2), label(11) },
    { text(3), label(12) },
    { text(4), label(13) },
    { text(5), label(14) },
    { combo(5), label(15) },
    { text(6), label(16) },
    { option(10), label(17) },
    { option(11), label(18) },
    { option(12), label(19) },
    { option(13), label(20) },
    { option(14), label(21) },
    { option(15), label(22) },
    { option(16), label(23) },
    { option(17), label(24) },
    { option(18), label(33) },
    { text(7), label(25) },
    { text(8), label(26) },
    { text(9), label(27) },
    { option(19), label(28) },
    { option(20), label(29) },
    { text(10), label(28) },
    { text(11), label(29) },
    { option(21), label(34) },
    { option(22), label(35) },
    { text(12), label(30) },
    { combo(10), label(31) },
    { text(13), label(32) },
    { combo(1), frame(4), label(1) },
    { combo(2), frame(4), label(2) },
    { combo(3), frame(4), label(3) },
    { combo(4), frame(4), label(4) },
    { combo(6), frame(10), label(17) },
    { combo(7), frame(10), label(18) },
    { combo(8), frame(10), label(19) },
    { combo(9), frame(10), label(20) },
} };

// Named groups of controls, as the handlers and tests speak of them. Class, list and table go
// together by position: the k-th class button of a frame enables the k-th diameter list of the
// frame, whose items are the rows of the k-th rope class of its method.
template <Kind K, std::same_as<int>... Numbers>
constexpr std::array<Control<K>, sizeof...(Numbers)> group(Numbers... numbers)
{
    return { Control<K> { numbers }... };
}

inline constexpr auto kTraditionalClassOptions = group<Kind::Option>(1, 2, 3, 4);
inline constexpr auto kTraditionalGradeOptions = group<Kind::Option>(5, 6, 7, 8, 9); // 140 to 200 kg/mm2
inline constexpr auto kTraditionalDiameterLists = group<Kind::Combo>(1, 2, 3, 4);
inline constexpr auto kTraditionalReadouts = group<Kind::Text>(1, 2, 3, 4); // area, weight, total, rope
inline constexpr Box kTraditionalBreaking { 4 };
inline constexpr Box kTraditionalForce { 5 };
inline constexpr List kTraditionalPurpose { 5 };
inline constexpr Box kTraditionalResult { 6 };
inline constexpr Button kTraditionalCommand { 1 };

inline constexpr auto kStandardClassOptions = group<Kind::Option>(10, 11, 12, 13);
inline constexpr auto kStandardGradeOptions = group<Kind::Option>(14, 15, 16, 17, 18); // 1470 to 1870
inline constexpr auto kCoreOptions = group<Kind::Option>(19, 20); // fibre, steel
inline constexpr auto kWorkOptions = group<Kind::Option>(21, 22); // installation, mine construction
inline constexpr auto kStandardDiameterLists = group<Kind::Combo>(6, 7, 8, 9);
// Weights with natural-fibre, synthetic-fibre and steel core; breaking force, fibre and steel.
inline constexpr auto kStandardReadouts = group<Kind::Text>(7, 8, 9, 10, 11);
inline constexpr auto kFibreReadouts = group<Kind::Text>(7, 8, 10);
inline constexpr auto kSteelReadouts = group<Kind::Text>(9, 11);
inline constexpr Box kFibreBreaking { 10 };
inline constexpr Box kSteelBreaking { 11 };
inline constexpr auto kStandardGradeLabels = group<Kind::Label>(21, 22, 23, 24, 33);
inline constexpr Box kStandardForce { 12 };
inline constexpr List kStandardPurpose { 10 };
inline constexpr Box kStandardResult { 13 };
inline constexpr Button kStandardCommand { 2 };

inline constexpr std::array<Box, 2> kResults { kTraditionalResult, kStandardResult };

// The position of a control within a group, if it is one of it.
template <Kind K, std::size_t N>
constexpr std::optional<std::size_t> rankIn(const std::array<Control<K>, N> &group, Control<K> control)
{
    for (std::size_t k = 0; k < N; ++k)
        if (group[k] == control)
            return k;
    return std::nullopt;
}

template <typename T, std::size_t N, std::size_t M>
constexpr std::array<T, N + M> joined(const std::array<T, N> &first, const std::array<T, M> &second)
{
    std::array<T, N + M> both {};
    std::copy(first.begin(), first.end(), both.begin());
    std::copy(second.begin(), second.end(), both.begin() + N);
    return both;
}

// Both methods' lists and read-outs, traditional first, as a class pick goes through them.
inline constexpr auto kDiameterLists = joined(kTraditionalDiameterLists, kStandardDiameterLists);
inline constexpr auto kReadouts = joined(kTraditionalReadouts, kStandardReadouts);

// The purpose lists offer the first entries of the purpose table: the traditional list all
// eight, the standard list all but "载人升降14" (which its check still recognises when typed).
struct PurposeListSpec {
    List combo;
    std::size_t count;
};

inline constexpr std::array<PurposeListSpec, 2> kPurposeLists { { { kTraditionalPurpose, 8 },
    { kStandardPurpose, 7 } } };

// Parents come before their children, so one pass over the rows can build the window.
constexpr bool parentsComeFirst()
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Ref parent = kControls[i].parent;
        if (parent.number == 0)
            continue;
        bool seen = false;
        for (std::size_t j = 0; j < i; ++j)
            seen = seen || (kControls[j].kind == parent.kind && kControls[j].number == parent.number);
        if (!seen)
            return false;
    }
    return true;
}
static_assert(parentsComeFirst());

constexpr const ControlSpec *specOf(Ref ref)
{
    for (const ControlSpec &row : kControls)
        if (row.kind == ref.kind && row.number == ref.number)
            return &row;
    return nullptr;
}

// Where a container's inside begins in the window's client area, in twips: frames nest. For a
// front end whose controls are all children of the window.
struct TwipsPoint {
    int x = 0;
    int y = 0;
};

constexpr TwipsPoint originOf(Ref container)
{
    TwipsPoint origin;
    for (const ControlSpec *row = specOf(container); row != nullptr; row = specOf(row->parent)) {
        origin.x += row->left;
        origin.y += row->top;
    }
    return origin;
}

constexpr std::string_view captionOf(Ref ref)
{
    for (const ControlSpec &row : kControls)
        if (row.kind == ref.kind && row.number == ref.number)
            return row.caption;
    return {};
}

constexpr int highestNumber(Kind kind)
{
    int highest = 0;
    for (const ControlSpec &row : kControls)
        if (row.kind == kind && row.number > highest)
            highest = row.number;
    return highest;
}

// Every naming row points at a label or frame that has a caption.
constexpr bool namesHaveCaptions()
{
    return std::ranges::all_of(kNamedBy, [](const NamedBy &row) {
        return !captionOf(row.by).empty() && (row.also.number == 0 || !captionOf(row.also).empty());
    });
}
static_assert(namesHaveCaptions());

} // namespace app
