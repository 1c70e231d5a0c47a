#include "app/sheet/sheet.h"

#include "app/calculator/control_table.h"
#include "app/help/help.h"
#include "app/selection/selection.h"
#include "common/colours.h"
#include "common/number_format.h"
#include "common/number_reading.h"
#include "common/purpose_table.h"
#include "common/safety_check.h"
#include "standard/check.h"
#include "standard/rope_tables.h"
#include "traditional/check.h"
#include "traditional/rope_tables.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <variant>

namespace app::sheet {

namespace {

constexpr std::string_view kTitle = "钢丝绳安全系数计算书";
// The guide's section of what the program leaves to the user, found by its heading's words.
constexpr std::string_view kLimitsHeading = "本程序不做什么";
constexpr std::array<std::string_view, 3> kSigners { "计算", "校核", "审核" };
constexpr std::string_view kBlank = "________________";

// The read-outs' units, in the order of kReadouts; the labels name the quantities, the guide
// gives their units.
constexpr std::array<std::string_view, kReadouts.size()> kUnits { "mm2", "kg", "kgf", "kgf", "kg/100m",
    "kg/100m", "kg/100m", "kN", "kN" };

std::string_view withoutBlanksAround(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A caption's blanks are layout: " 破断拉力", "钢 芯".
std::string withoutBlanks(std::string_view caption)
{
    std::string text(caption);
    std::erase(text, ' ');
    return text;
}

// A title of the selection window without its unit: "绳端载荷(kgf)" is 绳端载荷.
std::string_view nameOf(std::string_view title)
{
    return title.substr(0, title.find('('));
}

std::string_view frameCaption(Ref control)
{
    return captionOf(specOf(control)->parent);
}

// The caption of the label that names a control.
std::string labelOf(Ref control)
{
    const auto *row = std::ranges::find(kNamedBy, control, &NamedBy::control);
    return row == kNamedBy.end() ? std::string() : withoutBlanks(captionOf(row->by));
}

// A read-out by its label, after its frame's quantity where the frame names one
// ("近似重量:kg/100m" and "天然芯" give 近似重量（天然芯）).
std::string readoutName(Box box)
{
    const std::string_view frame = frameCaption(box);
    const std::size_t colon = frame.find(':');
    if (colon == std::string_view::npos)
        return labelOf(box);
    return std::string(frame.substr(0, colon)) + "（" + labelOf(box) + "）";
}

std::string_view unitOf(Box box)
{
    const auto *at = std::ranges::find(kReadouts, box);
    return kUnits.at(std::size_t(at - kReadouts.begin()));
}

// The shortest text that reads back as exactly this value.
std::string exactly(double value)
{
    std::array<char, 32> text {};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
    return { text.data(), written.ptr };
}

template <std::size_t N>
std::optional<std::size_t> selected(const Form1 &form, const std::array<OptionButton, N> &group)
{
    for (std::size_t k = 0; k < N; ++k)
        if (form.state(group[k]).checked)
            return k;
    return std::nullopt;
}

// What a method's frame shows once its "计  算" has run, read back from its controls.
struct Calculation {
    listing::Method method = listing::Method::Traditional;
    std::size_t ropeClass = 0;
    std::size_t grade = 0;
    std::optional<standard::Core> core; // the standard method's
    standard::WorkType work = standard::WorkType::Installation; // the standard method's
    int row = 0;
    std::string_view item;
    std::vector<std::pair<Box, std::string>> readouts; // those its rope fills, with their texts
    Box breakingBox;
    std::string breakingText; // the read-out the check divides
    std::string force; // as typed, without the blanks around it
    std::string purpose; // as typed
    double required = 0;
    double breaking = 0; // kgf, as the check divides it
    double factor = 0;
    bool passed = false;
    std::string shown; // the factor as the result box shows it, or would were the rope not too weak
};

// The choices and the check of the frame: the verdict it gives on the boxes as they stand, and
// the breaking force it divides.
struct Checked {
    common::Verdict verdict;
    std::optional<double> breaking;
};

template <std::size_t N> void readOut(const Form1 &form, Calculation &shown, const std::array<Box, N> &boxes)
{
    for (const Box box : boxes)
        if (!form.state(box).text.empty())
            shown.readouts.emplace_back(box, form.state(box).text);
}

Checked checkTraditional(const Form1 &form, Calculation &shown)
{
    shown.breakingBox = kTraditionalBreaking;
    readOut(form, shown, kTraditionalReadouts);
    const std::string &breaking = form.state(kTraditionalBreaking).text;
    return { traditional::check(breaking, shown.force, shown.purpose), common::wholeNumber(breaking) };
}

std::optional<Checked> checkStandard(const Form1 &form, Calculation &shown)
{
    const std::optional<std::size_t> core = selected(form, kCoreOptions);
    const std::optional<std::size_t> work = selected(form, kWorkOptions);
    if (!core || !work)
        return std::nullopt;
    shown.core = standard::Core(*core);
    shown.work = standard::WorkType(*work);
    const bool fibre = shown.core == standard::Core::Fibre;
    shown.breakingBox = fibre ? kFibreBreaking : kSteelBreaking;
    if (fibre)
        readOut(form, shown, kFibreReadouts);
    else
        readOut(form, shown, kSteelReadouts);
    const standard::Choices choices { standard::RopeClass(shown.ropeClass), shown.core, shown.work };
    const std::string &fibreText = form.state(kFibreBreaking).text;
    const std::string &steelText = form.state(kSteelBreaking).text;
    return Checked { standard::check(fibreText, steelText, shown.force, shown.purpose, choices),
        standard::breakingForce(fibreText, steelText, choices) };
}

// The calculation only while the result box shows its outcome: the check, run again on the boxes,
// gives what the box shows.
std::optional<Calculation> read(const Form1 &form, listing::Method method)
{
    const bool traditional = method == listing::Method::Traditional;
    const ControlState &result = form.state(traditional ? kTraditionalResult : kStandardResult);
    const std::optional<std::size_t> ropeClass
        = selected(form, traditional ? kTraditionalClassOptions : kStandardClassOptions);
    const std::optional<std::size_t> grade
        = selected(form, traditional ? kTraditionalGradeOptions : kStandardGradeOptions);
    if (result.text.empty() || !ropeClass || !grade)
        return std::nullopt;
    const List list = (traditional ? kTraditionalDiameterLists : kStandardDiameterLists).at(*ropeClass);
    const int item = form.state(list).item;
    if (item < 0 || std::size_t(item) >= form.items(list).size())
        return std::nullopt;

    Calculation shown;
    shown.method = method;
    shown.ropeClass = *ropeClass;
    shown.grade = *grade;
    shown.row = item;
    shown.item = form.items(list).at(std::size_t(item));
    shown.force = withoutBlanksAround(form.state(traditional ? kTraditionalForce : kStandardForce).text);
    shown.purpose = form.state(traditional ? kTraditionalPurpose : kStandardPurpose).text;
    std::optional<Checked> checked;
    if (traditional)
        checked = checkTraditional(form, shown);
    else
        checked = checkStandard(form, shown);
    const std::optional<double> load = common::wholeNumber(shown.force);
    const std::optional<double> required = common::requiredFactor(shown.purpose);
    if (!checked || !checked->breaking || !load || !required)
        return std::nullopt;
    shown.breakingText = form.state(shown.breakingBox).text;
    shown.required = *required;
    shown.breaking = *checked->breaking;
    shown.factor = shown.breaking / *load;
    shown.shown = traditional ? common::formatGeneral(shown.factor) : common::formatTwoDecimals(shown.factor);
    shown.passed = std::holds_alternative<common::Passed>(checked->verdict);
    const bool red = result.background == common::kResultRed;
    if (shown.passed ? result.text != shown.shown || red
                     : !std::holds_alternative<common::TooWeak>(checked->verdict)
                || result.text != common::kTooWeakText || !red)
        return std::nullopt;
    return shown;
}

// A mended cell's printed value, when the read-out comes from one, and the guide's reason.
struct Mending {
    std::string printed;
    std::string mended;
    std::string_view reason;
};

std::optional<Mending> mendingOf(const Calculation &shown, Box box)
{
    if (shown.method == listing::Method::Traditional) {
        const auto rank = rankIn(kTraditionalReadouts, box); // area, weight, total, rope
        if (!rank || *rank < 2)
            return std::nullopt;
        const auto force = *rank == 2 ? traditional::Force::Total : traditional::Force::Rope;
        for (const traditional::MendedCell &cell : traditional::kMendedCells)
            if (std::size_t(cell.ropeClass) == shown.ropeClass && cell.row == shown.row
                && std::size_t(cell.grade) == shown.grade && cell.force == force)
                return Mending { common::formatGeneral(cell.printed), common::formatGeneral(cell.mended),
                    cell.reason };
        return std::nullopt;
    }
    if (box != shown.breakingBox)
        return std::nullopt;
    for (const standard::MendedCell &cell : standard::kMendedCells)
        if (std::size_t(cell.ropeClass) == shown.ropeClass && cell.row == shown.row
            && std::size_t(cell.grade) == shown.grade && cell.core == shown.core)
            return Mending { common::formatGeneral(cell.printed), common::formatGeneral(cell.mended),
                cell.reason };
    return std::nullopt;
}

std::string_view className(const Calculation &shown)
{
    return shown.method == listing::Method::Traditional ? traditional::kRopeClassNames.at(shown.ropeClass)
                                                        : standard::kRopeClassNames.at(shown.ropeClass);
}

class Writer {
public:
    void add(BlockKind kind, std::string text, std::string value = {})
    {
        m_document.blocks.push_back({ kind, std::move(text), std::move(value) });
    }
    void row(std::string_view key, std::string_view value)
    {
        add(BlockKind::Row, std::string(key), std::string(value));
    }
    Document take() { return std::move(m_document); }

private:
    Document m_document;
};

// 一、已知条件: the rope as chosen; the inputs come from the caller, after the diameter.
void ropeRows(Writer &sheet, const Calculation &shown)
{
    const bool traditional = shown.method == listing::Method::Traditional;
    sheet.row("计算方法", listing::kMethodTitles.at(std::size_t(shown.method)));
    sheet.row(
        frameCaption((traditional ? kTraditionalClassOptions : kStandardClassOptions)[0]), className(shown));
    sheet.row(frameCaption((traditional ? kTraditionalGradeOptions : kStandardGradeOptions)[0]),
        traditional ? traditional::kGradeNames.at(shown.grade) : standard::kGradeNames.at(shown.grade));
    if (shown.core)
        sheet.row(listing::kColumnTitles.at(std::size_t(listing::Column::Core)),
            standard::kCoreNames.at(std::size_t(*shown.core)));
    sheet.row(
        frameCaption((traditional ? kTraditionalDiameterLists : kStandardDiameterLists)[0]), shown.item);
    if (!traditional)
        sheet.row(std::string(standard::kWorkTypeNames[0]) + "/" + std::string(standard::kWorkTypeNames[1]),
            standard::kWorkTypeNames.at(std::size_t(shown.work)));
}

void purposeRows(Writer &sheet, const Calculation &shown)
{
    const std::string required = common::formatGeneral(shown.required);
    if (common::purposeFactor(shown.purpose)) {
        sheet.row(
            labelOf(shown.method == listing::Method::Traditional ? kTraditionalPurpose : kStandardPurpose),
            shown.purpose);
        sheet.row("要求的安全系数", required);
    } else {
        sheet.row("要求的安全系数", required + "（输入值）");
    }
}

// 二、钢丝绳参数: the read-outs with their units; a read-out from a mended cell is marked, with a
// note under the table on what the catalogue prints and why the program holds another value.
void ropeData(Writer &sheet, const Calculation &shown)
{
    sheet.add(BlockKind::Heading, "二、钢丝绳参数");
    sheet.row("钢丝绳表",
        std::string(listing::kMethodTitles.at(std::size_t(shown.method))) + " "
            + std::string(className(shown)) + " 钢丝绳表（本程序内置）");
    std::vector<std::string> notes;
    for (const auto &[box, text] : shown.readouts) {
        std::string value = text + " " + std::string(unitOf(box));
        if (const std::optional<Mending> mending = mendingOf(shown, box)) {
            const std::string mark = "注" + std::to_string(notes.size() + 1);
            value += "（" + mark + "）";
            notes.push_back(mark + "：" + readoutName(box) + "原表为 " + mending->printed + "，程序改为 "
                + mending->mended + "。" + std::string(mending->reason));
        }
        sheet.row(readoutName(box), value);
    }
    for (std::string &note : notes)
        sheet.add(BlockKind::Footnote, std::move(note));
}

// How the breaking force the check divides comes from the standard read-out, in kgf.
void standardBreaking(Writer &sheet, const Calculation &shown, std::string_view breakingName)
{
    const std::string kn = readoutName(shown.breakingBox);
    std::string formula = std::string(breakingName) + " = " + kn + " × "
        + common::formatGeneral(standard::kNewtonsPerKn) + " ÷ "
        + common::formatGeneral(standard::kNewtonsPerKg);
    std::string numbers = shown.breakingText + " × " + common::formatGeneral(standard::kNewtonsPerKn) + " ÷ "
        + common::formatGeneral(standard::kNewtonsPerKg);
    if (shown.work == standard::WorkType::MineConstruction) {
        const standard::MineCoefficients &row = standard::kMineCoefficients.at(shown.ropeClass);
        const double coefficient = shown.core == standard::Core::Fibre ? row.fibre : row.steel.value_or(0);
        const std::string text = common::formatGeneral(coefficient);
        sheet.add(BlockKind::Formula,
            "换算系数 = " + text + "（" + std::string(standard::kWorkTypeNames[1]) + "，"
                + std::string(className(shown)) + "，"
                + std::string(standard::kCoreNames.at(std::size_t(*shown.core))) + "）");
        formula += " × 换算系数";
        numbers += " × " + text;
    }
    sheet.add(BlockKind::Formula,
        formula + " = " + numbers + " = " + common::formatGeneral(shown.breaking) + " kgf");
}

// 三、计算 from the breaking force on, and 四、结论. `forceName` is what the breaking force is
// divided by: the force typed, or a selection job's static tension.
void factorAndVerdict(Writer &sheet, const Calculation &shown, std::string_view forceName)
{
    const std::string breakingName = shown.method == listing::Method::Traditional
        ? readoutName(shown.breakingBox)
        : std::string(nameOf(listing::kColumnTitles.at(std::size_t(listing::Column::Breaking))));
    const std::string breaking = shown.method == listing::Method::Traditional
        ? shown.breakingText
        : common::formatGeneral(shown.breaking);
    if (shown.method == listing::Method::Standard)
        standardBreaking(sheet, shown, breakingName);
    sheet.add(BlockKind::Formula,
        "实际安全系数 = " + breakingName + " ÷ " + std::string(forceName) + " = " + breaking + " ÷ "
            + shown.force + " = " + shown.shown);

    sheet.add(BlockKind::Heading, "四、结论");
    const std::string required = common::formatGeneral(shown.required);
    if (shown.passed)
        sheet.add(BlockKind::Paragraph,
            "实际安全系数 " + shown.shown + " 大于要求的安全系数 " + required + "，所选钢丝绳满足要求");
    else
        sheet.add(BlockKind::Paragraph,
            "实际安全系数 " + shown.shown + " 不大于要求的安全系数 " + required + "，"
                + std::string(common::kTooWeakText));
    // The shown digits are rounded; where they compare with the required factor otherwise than
    // the value itself, the verdict rests on the value, and the sheet gives it.
    const double rounded = common::wholeNumber(shown.shown).value_or(shown.factor);
    if ((rounded > shown.required) != shown.passed)
        sheet.add(BlockKind::Paragraph,
            "舍入前的实际安全系数为 " + exactly(shown.factor) + "，合格与否按舍入前的值判断");
}

// The header, and 五、说明 with the lines to sign.
void header(Writer &sheet, std::string_view date)
{
    sheet.add(BlockKind::Title, std::string(kTitle));
    sheet.add(BlockKind::Line, "日期：" + std::string(date));
    sheet.add(
        BlockKind::Line, "计算程序：" + std::string(kWindowCaption) + " 版本 " + std::string(version()));
    sheet.add(BlockKind::Heading, "一、已知条件");
}

void limitsAndSignatures(Writer &sheet)
{
    sheet.add(BlockKind::Heading, "五、说明");
    const std::vector<guide::Paragraph> blocks = guide::paragraphs(guide::markdown());
    auto at = std::ranges::find_if(blocks, [](const guide::Paragraph &block) {
        return block.block == guide::Block::Heading && block.text.ends_with(kLimitsHeading);
    });
    if (at != blocks.end())
        for (++at; at != blocks.end() && at->block != guide::Block::Heading; ++at)
            sheet.add(BlockKind::Paragraph, at->text);
    for (const std::string_view signer : kSigners)
        sheet.add(BlockKind::Signature,
            std::string(signer) + "：" + std::string(kBlank) + "　日期：" + std::string(kBlank));
}

std::string_view trimmedOrZero(std::string_view typed)
{
    const std::string_view text = withoutBlanksAround(typed);
    return text.empty() ? "0" : text;
}

// 三、计算 of a selection job up to its static tension, which the calculator took as the force.
void staticTension(
    Writer &sheet, const Calculation &shown, const listing::Job &job, std::string_view tensionName)
{
    const std::string_view load = withoutBlanksAround(job.load);
    const std::string_view length = trimmedOrZero(job.length);
    const auto &weight = shown.readouts.at(shown.method == listing::Method::Traditional ? 1 : 0);
    const std::string weightName = readoutName(weight.first);
    const std::string loadName(nameOf(listing::kLoadTitle));
    const std::string lengthName(nameOf(listing::kLengthTitles.at(std::size_t(job.way))));
    const std::string tension = shown.force + " kgf";
    if (job.way == listing::Way::Vertical) {
        sheet.add(BlockKind::Formula,
            std::string(tensionName) + " = " + loadName + " + " + weightName + " × " + lengthName
                + " ÷ 100 = " + std::string(load) + " + " + weight.second + " × " + std::string(length)
                + " ÷ 100 = " + tension);
        return;
    }
    const std::string_view angle = withoutBlanksAround(job.angle);
    const std::string_view track = withoutBlanksAround(job.track);
    const std::string_view drag = withoutBlanksAround(job.drag);
    const listing::Incline incline = listing::inclineOf(common::wholeNumber(angle).value_or(0),
        common::wholeNumber(track).value_or(0), common::wholeNumber(drag).value_or(0));
    const std::string perMetre = common::formatGeneral(common::wholeNumber(weight.second).value_or(0) / 100);
    const std::string sine = "sin " + std::string(angle) + "°";
    const std::string cosine = "cos " + std::string(angle) + "°";
    sheet.add(BlockKind::Formula,
        "Q = " + loadName + " = " + std::string(load) + " kgf，β = " + std::string(angle)
            + "°，f1 = " + std::string(track) + "，f2 = " + std::string(drag) + "，L = " + lengthName + " = "
            + std::string(length) + " m");
    sheet.add(BlockKind::Formula,
        "p = " + weightName + " ÷ 100 = " + weight.second + " ÷ 100 = " + perMetre + " kg/m");
    sheet.add(BlockKind::Formula,
        "k1 = sin β + f1 × cos β = " + sine + " + " + std::string(track) + " × " + cosine + " = "
            + common::formatGeneral(incline.load));
    sheet.add(BlockKind::Formula,
        "k2 = sin β + f2 × cos β = " + sine + " + " + std::string(drag) + " × " + cosine + " = "
            + common::formatGeneral(incline.rope));
    sheet.add(BlockKind::Formula,
        std::string(tensionName) + " = Q × k1 + p × L × k2 = " + std::string(load) + " × "
            + common::formatGeneral(incline.load) + " + " + perMetre + " × " + std::string(length) + " × "
            + common::formatGeneral(incline.rope) + " = " + tension);
}

// A view for a calculator no one sees: the selection sheet's rope taken over.
class Unseen final : public View {
    void stateChanged(Ref /*control*/) override { }
    void showMessage(std::string_view /*text*/) override { }
};

} // namespace

std::optional<Document> calculatorSheet(
    const Form1 &calculator, listing::Method method, std::string_view date)
{
    const std::optional<Calculation> shown = read(calculator, method);
    if (!shown)
        return std::nullopt;
    Writer sheet;
    header(sheet, date);
    ropeRows(sheet, *shown);
    const Box force = method == listing::Method::Traditional ? kTraditionalForce : kStandardForce;
    sheet.row(labelOf(force), shown->force + " kgf");
    purposeRows(sheet, *shown);
    ropeData(sheet, *shown);
    sheet.add(BlockKind::Heading, "三、计算");
    factorAndVerdict(sheet, *shown, labelOf(force));
    limitsAndSignatures(sheet);
    return sheet.take();
}

std::optional<Document> selectionSheet(
    const listing::Job &job, const listing::Listed &row, std::string_view date)
{
    Unseen view;
    Form1 calculator(view);
    if (!takeOver(calculator, row, job))
        return std::nullopt;
    const std::optional<Calculation> shown = read(calculator, row.rope.method);
    if (!shown || shown->force != row.cells.at(std::size_t(listing::Column::Tension)))
        return std::nullopt;
    Writer sheet;
    header(sheet, date);
    ropeRows(sheet, *shown);
    const auto way = std::size_t(job.way);
    sheet.row(listing::kLoadTitle, withoutBlanksAround(job.load));
    sheet.row(listing::kWayTitle, listing::kWayNames.at(way));
    sheet.row(listing::kLengthTitles.at(way), trimmedOrZero(job.length));
    if (job.way == listing::Way::Inclined) {
        sheet.row(listing::kAngleTitle, withoutBlanksAround(job.angle));
        sheet.row(listing::kTrackTitle, withoutBlanksAround(job.track));
        sheet.row(listing::kDragTitle, withoutBlanksAround(job.drag));
    }
    purposeRows(sheet, *shown);
    ropeData(sheet, *shown);
    sheet.add(BlockKind::Heading, "三、计算");
    const std::string_view tensionName
        = nameOf(listing::kColumnTitles.at(std::size_t(listing::Column::Tension)));
    staticTension(sheet, *shown, job, tensionName);
    factorAndVerdict(sheet, *shown, tensionName);
    limitsAndSignatures(sheet);
    return sheet.take();
}

} // namespace app::sheet
