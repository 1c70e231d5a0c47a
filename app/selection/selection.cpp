#include "app/selection/selection.h"

#include "app/calculator/control_table.h"

#include <algorithm>

namespace app {

Selection::Selection()
{
    relist();
}

std::array<std::string_view, common::kPurposes.size()> Selection::purposes()
{
    std::array<std::string_view, common::kPurposes.size()> items;
    std::ranges::transform(common::kPurposes, items.begin(), &common::Purpose::text);
    return items;
}

void Selection::typeLoad(std::string_view text)
{
    m_job.load = text;
    relist();
}

void Selection::typeLength(std::string_view text)
{
    m_job.length = text;
    relist();
}

void Selection::typePurpose(std::string_view text)
{
    m_job.purpose = text;
    relist();
}

void Selection::pickPurpose(int item)
{
    if (item >= 0 && std::size_t(item) < common::kPurposes.size())
        typePurpose(common::kPurposes.at(std::size_t(item)).text);
}

void Selection::selectWork(standard::WorkType work)
{
    m_job.work = work;
    relist();
}

void Selection::selectWay(listing::Way way)
{
    m_job.way = way;
    relist();
}

void Selection::typeInclined(Inclined input, std::string_view text)
{
    (input == Inclined::Angle ? m_job.angle : input == Inclined::Track ? m_job.track : m_job.drag) = text;
    relist();
}

void Selection::showMethod(listing::Method method, bool shown)
{
    (method == listing::Method::Traditional ? m_job.traditional : m_job.standard) = shown;
    relist();
}

void Selection::sortBy(listing::Column column)
{
    m_descending = m_sortColumn == column && !m_descending;
    m_sortColumn = column;
    listing::sortRows(m_listing.rows, column, m_descending);
}

// The rows come lightest first; a header the user clicked keeps its order over a new listing.
void Selection::relist()
{
    m_listing = listing::listRopes(m_catalogue, m_job);
    if (m_sortColumn)
        listing::sortRows(m_listing.rows, *m_sortColumn, m_descending);
    m_status = listing::statusLine(m_listing);
}

namespace {

// The purpose as the user would give it: picked where the list holds it, typed where not.
void enterPurpose(Form1 &calculator, List list, std::string_view purpose)
{
    const std::vector<std::string_view> &items = calculator.items(list);
    if (const auto found = std::ranges::find(items, purpose); found != items.end())
        calculator.pick(list, int(found - items.begin()));
    else
        calculator.type(list, purpose);
}

} // namespace

bool takeOver(Form1 &calculator, const listing::Listed &row, const listing::Job &job)
{
    if (calculator.busy())
        return false;
    const listing::Rope &rope = row.rope;
    const std::string &tension = row.cells.at(std::size_t(listing::Column::Tension));
    if (rope.method == listing::Method::Traditional) {
        calculator.select(kTraditionalClassOptions.at(rope.ropeClass));
        calculator.select(kTraditionalGradeOptions.at(rope.grade));
        calculator.pick(kTraditionalDiameterLists.at(rope.ropeClass), rope.row);
        calculator.type(kTraditionalForce, tension);
        enterPurpose(calculator, kTraditionalPurpose, job.purpose);
        calculator.press(kTraditionalCommand);
    } else {
        calculator.select(kStandardClassOptions.at(rope.ropeClass));
        calculator.select(kStandardGradeOptions.at(rope.grade));
        calculator.select(kCoreOptions.at(std::size_t(rope.core.value_or(standard::Core::Fibre))));
        calculator.select(kWorkOptions.at(std::size_t(job.work)));
        calculator.pick(kStandardDiameterLists.at(rope.ropeClass), rope.row);
        calculator.type(kStandardForce, tension);
        enterPurpose(calculator, kStandardPurpose, job.purpose);
        calculator.press(kStandardCommand);
    }
    return true;
}

} // namespace app
