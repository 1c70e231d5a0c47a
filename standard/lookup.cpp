#include "standard/lookup.h"

#include "common/number_format.h"

namespace standard {

namespace {

template <typename Row> const Row *rowAt(std::span<const Row> table, int row)
{
    if (row < 0 || std::size_t(row) >= table.size())
        return nullptr;
    return &table[std::size_t(row)];
}

} // namespace

Readouts lookup(
    std::span<const SixStrandRow> table, int row, std::optional<Core> core, std::optional<Grade> grade)
{
    const SixStrandRow *cells = rowAt(table, row);
    if (cells == nullptr || !core)
        return {};
    Readouts shown;
    // The six-strand columns start at 1570.
    const bool inTable = grade && *grade != Grade::N1470;
    const std::size_t column = inTable ? std::size_t(*grade) - 1 : 0;
    if (*core == Core::Fibre) {
        shown.naturalFibreWeight = common::formatGeneral(cells->naturalFibreWeight);
        shown.syntheticFibreWeight = common::formatGeneral(cells->syntheticFibreWeight);
        if (inTable)
            shown.fibreBreaking = common::formatGeneral(cells->fibre[column]);
    } else {
        shown.steelWeight = common::formatGeneral(cells->steelWeight);
        if (inTable)
            shown.steelBreaking = common::formatGeneral(cells->steel[column]);
    }
    return shown;
}

Readouts lookup(
    std::span<const EighteenStrandRow> table, int row, std::optional<Core> core, std::optional<Grade> grade)
{
    const EighteenStrandRow *cells = rowAt(table, row);
    if (cells == nullptr || core != Core::Fibre)
        return {};
    Readouts shown;
    shown.naturalFibreWeight = common::formatGeneral(cells->naturalFibreWeight);
    if (grade)
        shown.fibreBreaking = common::formatGeneral(cells->fibre[std::size_t(*grade)]);
    return shown;
}

Readouts lookup(RopeClass ropeClass, int row, std::optional<Core> core, std::optional<Grade> grade)
{
    return withTable(ropeClass, [&](auto table) { return lookup(table, row, core, grade); });
}

} // namespace standard
