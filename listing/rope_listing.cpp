#include "listing/rope_listing.h"

#include "common/number_format.h"
#include "common/number_reading.h"
#include "common/safety_check.h"
#include "standard/lookup.h"
#include "traditional/lookup.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <variant>

namespace app::listing {

namespace {

constexpr std::array<std::string_view, 2> kMethodNames { "传统", "标准" };
constexpr std::array<std::string_view, standard::kWorkTypeCount> kWorkNames { "安装", "矿建" };

constexpr std::string_view kChooseMethod = "请选择传统方法或标准方法";
constexpr std::string_view kEnterLoad = "请输入绳端载荷";
constexpr std::string_view kLoadNotNumber = "绳端载荷须为一个数";
constexpr std::string_view kLoadNotPositive = "绳端载荷须大于0";
constexpr std::string_view kLengthNotNumber = "悬垂长度须为一个数";
constexpr std::string_view kLengthNegative = "悬垂长度不能为负数";

bool blank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// The job as numbers, once it reads.
struct Reading {
    double load = 0;
    double length = 0;
    std::string_view problem;
};

Reading read(const Job &job)
{
    Reading reading;
    const std::optional<double> load = common::wholeNumber(job.load);
    const std::optional<double> length = blank(job.length) ? 0.0 : common::wholeNumber(job.length);
    if (!job.traditional && !job.standard)
        reading.problem = kChooseMethod;
    else if (blank(job.load))
        reading.problem = kEnterLoad;
    else if (!load)
        reading.problem = kLoadNotNumber;
    else if (*load <= 0)
        reading.problem = kLoadNotPositive;
    else if (!length)
        reading.problem = kLengthNotNumber;
    else if (*length < 0)
        reading.problem = kLengthNegative;
    else if (!common::requiredFactor(job.purpose))
        reading.problem = common::kChoosePurposeMessage;
    else
        reading = { *load, *length, {} };
    return reading;
}

// The number a diameter item stands for: "φ20.0" is 20, "φ(30)" is 30.
double diameterOf(std::string_view item)
{
    const auto digit = item.find_first_of("0123456789");
    return digit == std::string_view::npos ? 0 : common::leadingNumber(item.substr(digit));
}

double roundedToCents(double value)
{
    return std::round(value * 100) / 100;
}

// The rows of one method's tables that hold data for a rope, as its read-outs show them.
void addTraditional(std::vector<Entry> &entries)
{
    for (std::size_t c = 0; c < traditional::kRopeClassCount; ++c) {
        const traditional::RopeTable table = traditional::tableOf(traditional::RopeClass(c));
        for (std::size_t g = 0; g < traditional::kGradeCount; ++g)
            for (int r = 0; r < int(table.rows.size()); ++r) {
                const auto shown = traditional::lookup(table, r, traditional::Grade(g));
                if (!shown || !shown->forces || shown->forces->rope == traditional::kNoSuchModel)
                    continue;
                const std::optional<double> breaking = common::wholeNumber(shown->forces->rope);
                const std::string_view item = table.rows[std::size_t(r)].item;
                entries.push_back({ { Method::Traditional, c, g, std::nullopt, r },
                    traditional::kRopeClassNames.at(c), traditional::kGradeNames.at(g), item, shown->weight,
                    common::wholeNumber(shown->weight).value_or(0), diameterOf(item),
                    { breaking, breaking } });
            }
    }
}

// One class's rows for a grade and core it is made in.
template <typename Row>
void addStandardRows(std::vector<Entry> &entries, std::size_t c, std::size_t g, standard::Core core,
    std::span<const Row> table)
{
    const auto ropeClass = standard::RopeClass(c);
    for (int r = 0; r < int(table.size()); ++r) {
        const standard::Readouts shown = standard::lookup(table, r, core, standard::Grade(g));
        // The heavier fibre core's weight stands for both.
        const std::optional<std::string> &weight
            = core == standard::Core::Fibre ? shown.naturalFibreWeight : shown.steelWeight;
        const std::string fibre = shown.fibreBreaking.value_or("");
        const std::string steel = shown.steelBreaking.value_or("");
        if (!weight || (fibre.empty() && steel.empty()))
            continue;
        const auto breaking = [&](standard::WorkType work) {
            return standard::breakingForce(fibre, steel, { ropeClass, core, work });
        };
        const std::string_view item = table[std::size_t(r)].item;
        entries.push_back({ { Method::Standard, c, g, core, r }, standard::kRopeClassNames.at(c),
            standard::kGradeNames.at(g), item, *weight, common::wholeNumber(*weight).value_or(0),
            diameterOf(item),
            { breaking(standard::WorkType::Installation), breaking(standard::WorkType::MineConstruction) } });
    }
}

void addStandard(std::vector<Entry> &entries)
{
    for (std::size_t c = 0; c < standard::kRopeClassCount; ++c)
        for (std::size_t g = 0; g < standard::kGradeCount; ++g)
            for (std::size_t k = 0; k < standard::kCoreCount; ++k) {
                const auto ropeClass = standard::RopeClass(c);
                const auto core = standard::Core(k);
                if (standard::madeIn(ropeClass, standard::Grade(g)) && standard::madeWith(ropeClass, core))
                    standard::withTable(
                        ropeClass, [&](auto table) { addStandardRows(entries, c, g, core, table); });
            }
}

} // namespace

Catalogue::Catalogue()
{
    addTraditional(m_entries);
    addStandard(m_entries);
    std::ranges::stable_sort(m_entries, {}, &Entry::weightValue);
}

// The rope's own weight over the hanging length on the load, judged as the calculator would
// with that tension typed as the force: the judgement both checks share, on the breaking force
// the method's lookup and check found.
Listing listRopes(const Catalogue &catalogue, const Job &job)
{
    Listing listing;
    const Reading reading = read(job);
    listing.problem = reading.problem;
    if (!reading.problem.empty())
        return listing;
    const auto work = std::size_t(job.work);
    listing.rows.reserve(catalogue.entries().size());
    for (const Entry &entry : catalogue.entries()) {
        const bool traditional = entry.rope.method == Method::Traditional;
        if (!(traditional ? job.traditional : job.standard))
            continue;
        std::string tension = common::formatGeneral(reading.load + entry.weightValue * reading.length / 100);
        const common::Verdict verdict = common::judge(entry.breaking.at(work), tension, job.purpose);
        const auto *passed = std::get_if<common::Passed>(&verdict);
        if (passed == nullptr)
            continue;
        const double breaking = roundedToCents(entry.breaking.at(work).value_or(0));
        const auto method = std::size_t(entry.rope.method);
        const std::size_t core = entry.rope.core ? std::size_t(*entry.rope.core) + 1 : 0;
        const double tensionValue = common::wholeNumber(tension).value_or(0);
        listing.rows.push_back({ entry.rope,
            { std::string(kMethodNames.at(method)), std::string(entry.ropeClass), std::string(entry.grade),
                core == 0 ? std::string() : std::string(standard::kCoreNames.at(core - 1)),
                std::string(entry.item), entry.weight, common::formatGeneral(breaking), std::move(tension),
                traditional ? common::formatGeneral(passed->factor)
                            : common::formatTwoDecimals(passed->factor) },
            { double(method), double(entry.rope.ropeClass), double(method * 10 + entry.rope.grade),
                double(core), entry.diameter, entry.weightValue, breaking, tensionValue, passed->factor } });
    }
    return listing;
}

// Orders positions, then moves each row once: a row holds nine texts.
void sortRows(std::vector<Listed> &rows, Column column, bool descending)
{
    const auto at = std::size_t(column);
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::ranges::stable_sort(order, [&rows, at, descending](std::size_t a, std::size_t b) {
        const double x = rows[a].keys.at(at);
        const double y = rows[b].keys.at(at);
        return descending ? x > y : x < y;
    });
    std::vector<Listed> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

std::string statusLine(const Listing &listing)
{
    if (!listing.problem.empty())
        return std::string(listing.problem);
    if (listing.rows.empty())
        return "表中没有满足要求的钢丝绳";
    return "共有 " + std::to_string(listing.rows.size()) + " 种钢丝绳满足要求";
}

namespace {

// A typed text in one cell: a tab or line break would split it.
std::string cell(std::string_view text)
{
    std::string plain(text);
    std::ranges::replace_if(
        plain, [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return plain;
}

} // namespace

std::string copyText(const Job &job, const std::vector<Listed> &rows)
{
    std::string text = "绳端载荷(kgf)\t" + cell(job.load) + "\r\n悬垂长度(m)\t" + cell(job.length)
        + "\r\n钢丝绳用途\t" + cell(job.purpose) + "\r\n标准方法\t"
        + std::string(kWorkNames.at(std::size_t(job.work))) + "\r\n\r\n";
    const auto line = [&text](const auto &cells) {
        for (std::size_t k = 0; k < cells.size(); ++k)
            text.append(k == 0 ? "" : "\t").append(cells[k]);
        text.append("\r\n");
    };
    line(kColumnTitles);
    for (const Listed &row : rows)
        line(row.cells);
    return text;
}

} // namespace app::listing
