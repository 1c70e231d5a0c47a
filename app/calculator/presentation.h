#pragma once

#include "app/calculator/control_table.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// How the window's controls are presented, said once for every front end and test: which take
// the focus and in what order, what a screen reader calls them, the option buttons that go
// together, the dialog font, how high a label stands and how twips become pixels.
namespace app {

// Frames and labels only show. Read-only read-outs take the focus too: a keyboard or
// screen-reader user reaches them by Tab to hear or copy a value.
constexpr bool takesFocus(Kind kind)
{
    return kind != Kind::Frame && kind != Kind::Label;
}

inline constexpr std::size_t kFocusableCount = std::size_t(
    std::ranges::count_if(kControls, [](const ControlSpec &row) { return takesFocus(row.kind); }));

// The controls that take the focus, in the order of the design's tab indexes: the order of Tab.
inline constexpr auto kTabOrder = [] {
    std::array<const ControlSpec *, kFocusableCount> order {};
    std::size_t at = 0;
    for (const ControlSpec &row : kControls)
        if (takesFocus(row.kind))
            order.at(at++) = &row;
    std::ranges::sort(order, {}, [](const ControlSpec *row) { return row->tabIndex; });
    return order;
}();
static_assert(std::ranges::adjacent_find(kTabOrder, [](const ControlSpec *a, const ControlSpec *b) {
    return a->tabIndex == b->tabIndex;
}) == kTabOrder.end());

// A caption's blanks at either end are layout, not part of what a screen reader says.
constexpr std::string_view trimmed(std::string_view caption)
{
    const auto first = caption.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view {}
                                           : caption.substr(first, caption.find_last_not_of(' ') - first + 1);
}

// What a screen reader announces for a control named by a label (or frame), and by a second
// caption after a blank where there is one: "钢丝绳直径 6×19＋1".
inline std::string accessibleName(const NamedBy &row)
{
    std::string name(trimmed(captionOf(row.by)));
    if (row.also.number != 0)
        name.append(" ").append(trimmed(captionOf(row.also)));
    return name;
}

// The option buttons of the frame that holds option `n`, itself included, in table order: one
// of them is selected at a time, and the arrow keys move among them. Empty for no such option.
inline std::vector<int> optionGroup(int n)
{
    const ControlSpec *option = specOf(app::option(n));
    std::vector<int> group;
    if (option == nullptr)
        return group;
    for (const ControlSpec &row : kControls)
        if (row.kind == Kind::Option && row.parent == option->parent)
            group.push_back(row.number);
    return group;
}

// The design's dialog font.
struct FontSpec {
    std::string_view face; // as the system names it in Chinese
    std::string_view latinFace; // the same face by its English name
    int points;
    int charset; // 134: GB2312, Simplified Chinese
    int weight; // 400: regular, on the 1-1000 scale
};

inline constexpr FontSpec kDialogFont { "宋体", "SimSun", 9, 134, 400 };

// The design's labels are lower than one line of the dialog font, which would cut off the tops
// of the ideographs and the foot of the "g" in "kg/mm2". A label grows about its middle to one
// line, so that its text stays where the design puts it, and whole.
struct VerticalExtent {
    int top;
    int height;
    bool operator==(const VerticalExtent &) const = default;
};

constexpr VerticalExtent grownLabel(int top, int height, int lineHeight)
{
    if (height >= lineHeight)
        return { top, height };
    return { top - (lineHeight - height) / 2, lineHeight };
}

// The design is in twips, 1440 to the inch; at `dpi` dots to the inch that is rounded to the
// nearest pixel, halves away from zero.
constexpr int pixels(int twips, int dpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    return int((scaled + (scaled < 0 ? -720 : 720)) / 1440);
}

} // namespace app
