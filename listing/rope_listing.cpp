#include "listing/rope_listing.h"

#include "common/number_format.h"
#include "common/number_reading.h"
#include "common/safety_check.h"
#include "standard/lookup.h"
#include "traditional/lookup.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <span>
#include <variant>

namespace app::listing {

namespace {

constexpr std::array<std::string_view, 2> kMethodNames { "传统", "标准" };

constexpr std::string_view kChooseMethod = "请选择传统方法或标准方法";
constexpr std::string_view kEnterLoad = "请输入绳端载荷";
constexpr std::string_view kLoadNotNumber = "绳端载荷须为一个数";
constexpr std::string_view kLoadNotPositive = "绳端载荷须大于0";
// By the way the rope runs: a hanging length, or a length along the slope.
constexpr std::array<std::string_view, 2> kLengthNotNumber { "悬垂长度须为一个数", "斜长须为一个数" };
constexpr std::array<std::string_view, 2> kLengthNegative { "悬垂长度不能为负数", "斜长不能为负数" };
constexpr std::string_view kEnterAngle = "请输入倾角";
constexpr std::string_view kAngleNotNumber = "倾角须为一个数";
constexpr std::string_view kAngleOutside = "倾角须大于0°且不大于90°";

// A resistance coefficient's words: its name, then what is wrong with it.
struct Coefficient {
    std::string_view enter;
    std::string_view notNumber;
    std::string_view outside;
};
constexpr Coefficient kTrack { "请输入容器阻力系数 f1", "容器阻力系数 f1 须为一个数",
    "容器阻力系数 f1 须不小于0且小于1" };
constexpr Coefficient kDrag { "请输入钢丝绳阻力系数 f2", "钢丝绳阻力系数 f2 须为一个数",
    "钢丝绳阻力系数 f2 须不小于0且小于1" };

bool blank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// The job as numbers, once it reads.
struct Reading {
    double load = 0;
    double length = 0;
    double required = 0;
    std::optional<Incline> incline; // empty when vertical
    std::string_view problem;
};

// The inclined inputs, in the order of the window: the angle, then f1, then f2.
std::string_view readIncline(const Job &job, Reading &reading)
{
    const std::optional<double> angle = common::wholeNumber(job.angle);
    if (blank(job.angle))
        return kEnterAngle;
    if (!angle)
        return kAngleNotNumber;
    if (!(*angle > 0 && *angle <= 90))
        return kAngleOutside;
    std::array<double, 2> coefficients {};
    for (std::size_t k = 0; k < 2; ++k) {
        const std::string &typed = k == 0 ? job.track : job.drag;
        const Coefficient &words = k == 0 ? kTrack : kDrag;
        const std::optional<double> value = common::wholeNumber(typed);
        if (blank(typed))
            return words.enter;
        if (!value)
            return words.notNumber;
        if (!(*value >= 0 && *value < 1))
            return words.outside;
        coefficients.at(k) = *value;
    }
    reading.incline = inclineOf(*angle, coefficients[0], coefficients[1]);
    return {};
}

std::string_view readJob(const Job &job, Reading &reading)
{
    const auto way = std::size_t(job.way);
    const std::optional<double> load = common::wholeNumber(job.load);
    const std::optional<double> length = blank(job.length) ? 0.0 : common::wholeNumber(job.length);
    if (!job.traditional && !job.standard)
        return kChooseMethod;
    if (blank(job.load))
        return kEnterLoad;
    if (!load)
        return kLoadNotNumber;
    if (*load <= 0)
        return kLoadNotPositive;
    if (!length)
        return kLengthNotNumber.at(way);
    if (*length < 0)
        return kLengthNegative.at(way);
    if (job.way == Way::Inclined)
        if (const std::string_view problem = readIncline(job, reading); !problem.empty())
            return problem;
    const std::optional<double> required = common::requiredFactor(job.purpose);
    if (!required)
        return common::kChoosePurposeMessage;
    reading.load = *load;
    reading.length = *length;
    reading.required = *required;
    return {};
}

Reading read(const Job &job)
{
    Reading reading;
    reading.problem = readJob(job, reading);
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

Incline inclineOf(double degrees, double track, double drag)
{
    const double angle = degrees * std::numbers::pi / 180;
    const double sine = std::sin(angle);
    const double cosine = std::cos(angle);
    return { sine + track * cosine, sine + drag * cosine };
}

// A vertical job's tension is the plain sum, with no sine of 90° in it.
double staticTension(double load, double weight, double length, const std::optional<Incline> &incline)
{
    if (!incline)
        return load + weight * length / 100;
    return load * incline->load + weight * (length / 100) * incline->rope;
}

namespace {

// Whether the calculator passes the rope with this tension typed: the text the listing types,
// read back, divides the breaking force as the check does.
bool passesWith(double tension, double breaking, double required)
{
    const double typed = common::wholeNumber(common::formatGeneral(tension)).value_or(0);
    const double factor = breaking / typed;
    return std::isfinite(factor) && factor > required;
}

} // namespace

// From the tension the factor allows, breaking ÷ required: (breaking ÷ required − load·k1) ÷
// (weight per metre·k2), down to a tenth. Only where a tenth's tension lies within a hair of that
// bound can the calculator's rounding of the typed tension tip the verdict; there the tenths
// either side are judged as the calculator judges them.
double longestLength(
    double breaking, double required, double load, double weight, const std::optional<Incline> &incline)
{
    const double allowed = breaking / required;
    const double perMetre = weight / 100 * (incline ? incline->rope : 1);
    const double tenths = std::floor((allowed - load * (incline ? incline->load : 1)) / perMetre * 10);
    if (!std::isfinite(tenths))
        return tenths > 0 ? std::numeric_limits<double>::infinity() : 0;
    const auto tensionAt = [&](double n) { return staticTension(load, weight, n / 10, incline); };
    constexpr double kHair = 1e-9;
    if (allowed - tensionAt(tenths) > kHair * allowed && tensionAt(tenths + 1) - allowed > kHair * allowed)
        return std::max(tenths, 0.0) / 10;
    double n = tenths;
    for (int step = 0; step < 4 && n > 0 && !passesWith(tensionAt(n), breaking, required); ++step)
        n -= 1;
    for (int step = 0; step < 4 && passesWith(tensionAt(n + 1), breaking, required); ++step)
        n += 1;
    return std::max(n, 0.0) / 10;
}

namespace {

// A length in metres to a tenth, as the column shows it; one the tension never reaches says so.
std::string tenthsText(double metres)
{
    if (std::isinf(metres))
        return "不限";
    if (metres >= 1e15)
        return common::formatGeneral(metres);
    std::array<char, 24> text {};
    const auto written
        = std::to_chars(text.data(), text.data() + text.size(), metres, std::chars_format::fixed, 1);
    return { text.data(), written.ptr };
}

} // namespace

// The rope's own weight over the length on the load, judged as the calculator would with that
// tension typed as the force: the judgement both checks share, on the breaking force the
// method's lookup and check found.
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
        std::string tension = common::formatGeneral(
            staticTension(reading.load, entry.weightValue, reading.length, reading.incline));
        const common::Verdict verdict = common::judge(entry.breaking.at(work), tension, job.purpose);
        const auto *passed = std::get_if<common::Passed>(&verdict);
        if (passed == nullptr)
            continue;
        const double exactBreaking = entry.breaking.at(work).value_or(0);
        const double breaking = roundedToCents(exactBreaking);
        const auto method = std::size_t(entry.rope.method);
        const std::size_t core = entry.rope.core ? std::size_t(*entry.rope.core) + 1 : 0;
        // The number the tension's text stands for; the text is the general format's, which
        // from_chars reads as it is, without the scan typed texts need.
        double tensionValue = 0;
        std::from_chars(tension.data(), tension.data() + tension.size(), tensionValue);
        const double longest = longestLength(
            exactBreaking, reading.required, reading.load, entry.weightValue, reading.incline);
        listing.rows.push_back({ entry.rope,
            { std::string(kMethodNames.at(method)), std::string(entry.ropeClass), std::string(entry.grade),
                core == 0 ? std::string() : std::string(standard::kCoreNames.at(core - 1)),
                std::string(entry.item), entry.weight, common::formatGeneral(breaking), std::move(tension),
                traditional ? common::formatGeneral(passed->factor)
                            : common::formatTwoDecimals(passed->factor),
                tenthsText(longest) },
            { double(method), double(entry.rope.ropeClass), double(method * 10 + entry.rope.grade),
                double(core), entry.diameter, entry.weightValue, breaking, tensionValue, passed->factor,
                longest } });
    }
    return listing;
}

// Orders positions, then moves each row once: a row holds ten texts.
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
    const auto way = std::size_t(job.way);
    std::string text = std::string(kLoadTitle) + "\t" + cell(job.load) + "\r\n" + std::string(kWayTitle)
        + "\t" + std::string(kWayNames.at(way)) + "\r\n" + std::string(kLengthTitles.at(way)) + "\t"
        + cell(job.length) + "\r\n";
    if (job.way == Way::Inclined)
        for (const auto &[title, typed] : { std::pair { kAngleTitle, &job.angle },
                 std::pair { kTrackTitle, &job.track }, std::pair { kDragTitle, &job.drag } })
            text.append(title).append("\t").append(cell(*typed)).append("\r\n");
    text += std::string(kPurposeTitle) + "\t" + cell(job.purpose) + "\r\n"
        + std::string(kMethodTitles.at(std::size_t(Method::Standard))) + "\t"
        + std::string(standard::kWorkTypeNames.at(std::size_t(job.work))) + "\r\n\r\n";
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
