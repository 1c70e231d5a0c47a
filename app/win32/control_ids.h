#pragma once

#include "app/calculator/control_table.h"
#include "app/selection/selection.h"

// Every control of the Windows window has a fixed ID, so that automation tools, screen readers'
// scripts and tests find it as the Qt build finds a widget by name: the kind's thousand plus the
// control's number ("Option14" is 3014, "Text13" is 5013).
namespace winview {

constexpr int controlId(app::Ref control)
{
    return 1000 * (int(control.kind) + 1) + control.number;
}

// The control an ID stands for, if it is one of ours.
constexpr std::optional<app::Ref> controlOf(int id)
{
    const int kind = id / 1000 - 1;
    const int number = id % 1000;
    if (kind < 0 || kind >= int(app::kKindCount) || number < 1
        || number > app::highestNumber(app::Kind(kind)))
        return std::nullopt;
    return app::Ref { app::Kind(kind), number };
}

static_assert(controlId(app::frame(7)) == 1007 && controlId(app::label(30)) == 2030);
static_assert(controlId(app::option(14)) == 3014 && controlId(app::combo(10)) == 4010);
static_assert(controlId(app::text(13)) == 5013 && controlId(app::command(2)) == 6002);

// The selection window's controls are numbered in their own enumeration, from 7001 on.
constexpr int controlId(app::SelectionControl control)
{
    return int(control);
}

constexpr std::optional<app::SelectionControl> selectionControlOf(int id)
{
    for (const app::SelectionSpec &row : app::kSelectionControls)
        if (controlId(row.control) == id)
            return row.control;
    return std::nullopt;
}

static_assert(controlId(app::SelectionControl::LoadBox) == 7001 && !selectionControlOf(7000));

} // namespace winview
