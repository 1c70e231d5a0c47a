#include "traditional/lookup.h"

#include "common/number_format.h"

#include <array>

namespace traditional {

namespace {

// The columns every row has, in the order of Grade.
constexpr std::array<BreakingForce Row::*, 4> kBelow200 { &Row::kg140, &Row::kg155, &Row::kg170,
    &Row::kg185 };

Forces textOf(BreakingForce force)
{
    return { common::formatGeneral(force.total), common::formatGeneral(force.rope) };
}

} // namespace

std::optional<Readouts> lookup(const RopeTable &table, int row, std::optional<Grade> grade)
{
    if (row < 0 || std::size_t(row) >= table.rows.size())
        return std::nullopt;
    const Row &cells = table.rows[std::size_t(row)];
    Readouts shown { common::formatGeneral(cells.area), common::formatGeneral(cells.weight), std::nullopt };
    if (!grade)
        return shown;
    if (*grade != Grade::Kg200) {
        shown.forces = textOf(cells.*kBelow200.at(std::size_t(*grade)));
    } else if (std::size_t(row) < table.kg200.size()) {
        shown.forces = textOf(table.kg200[std::size_t(row)]);
    } else {
        const std::string none(kNoSuchModel);
        shown = { none, none, Forces { none, none } };
    }
    return shown;
}

} // namespace traditional
