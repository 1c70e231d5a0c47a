#include "traditional/lookup.h"

#include "common/number_format.h"

namespace traditional {

namespace {

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
    switch (*grade) {
    case Grade::Kg140:
        shown.forces = textOf(cells.kg140);
        break;
    case Grade::Kg155:
        shown.forces = textOf(cells.kg155);
        break;
    case Grade::Kg170:
        shown.forces = textOf(cells.kg170);
        break;
    case Grade::Kg185:
        shown.forces = textOf(cells.kg185);
        break;
    case Grade::Kg200:
        if (std::size_t(row) < table.kg200.size()) {
            shown.forces = textOf(table.kg200[std::size_t(row)]);
        } else {
            const std::string none(kNoSuchModel);
            shown = { none, none, Forces { none, none } };
        }
        break;
    }
    return shown;
}

} // namespace traditional
