// The calculation sheet: its text for known jobs worked out by hand, its numbers against what the
// calculator shows for ropes of every table, when there is none, and the RTF and HTML read back.

#include "app/calculator/control_table.h"
#include "app/help/help.h"
#include "app/selection/selection.h"
#include "app/sheet/sheet.h"
#include "app/sheet/sheet_window.h"
#include "common/number_format.h"
#include "common/safety_check.h"
#include "standard/check.h"
#include "standard/rope_tables.h"
#include "tests/support/calculator_trial.h"
#include "traditional/rope_tables.h"

#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

using app::listing::Method;
using app::listing::Rope;
using app::sheet::Block;
using app::sheet::BlockKind;
using app::sheet::Document;
using standard::WorkType;

Q_DECLARE_METATYPE(Document)
Q_DECLARE_METATYPE(Rope)

namespace {

constexpr std::string_view kDate = "2024年5月6日";

// The rope by its buttons and list item, the force and purpose as typed, then "计  算".
void calculate(app::Form1 &w, const Rope &rope, std::string_view force, std::string_view purpose,
    WorkType work = WorkType::Installation)
{
    trial::pickRope(w, trial::keyOf(rope), work);
    trial::pressWith(w, rope.method == Method::Traditional, force, purpose);
}

std::optional<Document> calculatorSheet(const Rope &rope, std::string_view force, std::string_view purpose,
    WorkType work = WorkType::Installation)
{
    trial::Calculator calculator;
    calculate(calculator.form(), rope, force, purpose, work);
    return app::sheet::calculatorSheet(calculator.form(), rope.method, kDate);
}

// The selection window's row of the rope for the job as typed, and its sheet.
std::optional<Document> selectionSheet(const app::Selection &selection, const Rope &rope)
{
    const auto found = std::ranges::find(selection.rows(), rope, &app::listing::Listed::rope);
    if (found == selection.rows().end())
        return std::nullopt;
    return app::sheet::selectionSheet(selection.job(), *found, kDate);
}

const Rope k6x19Kg155Phi20 { Method::Traditional, 0, 1, std::nullopt, 9 };

const std::string kHead = "钢丝绳安全系数计算书\n日期：2024年5月6日\n计算程序：钢丝绳安全系数计算器 版本 "
    + std::string(ROPECALC_VERSION) + "\n一、已知条件\n";

// The known jobs, each with its sheet as worked out by hand from the formulas.
struct Known {
    const char *name;
    std::optional<Document> sheet;
    std::string expected;
};

std::vector<Known> knownSheets()
{
    std::vector<Known> jobs;
    // 19890 ÷ 2000 = 9.945, greater than 6.
    jobs.push_back({ "traditional φ20.0, 2000 kgf", calculatorSheet(k6x19Kg155Phi20, "2000", "井架提升6"),
        kHead + R"(计算方法	传统方法
钢丝绳类别	6×19＋1
强度	155kg/mm2
钢丝绳直径	φ20.0
钢丝绳受力	2000 kgf
钢丝绳用途	井架提升6
要求的安全系数	6
二、钢丝绳参数
钢丝绳表	传统方法 6×19＋1 钢丝绳表（本程序内置）
总断面面积	151.24 mm2
每百米重量	142.9 kg
总破断拉力	23400 kgf
破断拉力	19890 kgf
三、计算
实际安全系数 = 破断拉力 ÷ 钢丝绳受力 = 19890 ÷ 2000 = 9.945
四、结论
实际安全系数 9.945 大于要求的安全系数 6，所选钢丝绳满足要求
)" });
    // 17.3 × 1000 ÷ 9.8 = 1765.30612244898 kgf; ÷ 500 = 3.53, not greater than 6: shown red.
    jobs.push_back({ "standard φ6, 500 kgf, too weak",
        calculatorSheet({ Method::Standard, 0, 1, standard::Core::Fibre, 3 }, "500", "井架提升6"),
        kHead + R"(计算方法	标准方法
钢丝绳类别	6×19＋1
强度	1570kN/mm2
绳芯	纤维芯
钢丝绳直径	φ6
安装/矿建	安装
钢丝绳受力	500 kgf
钢丝绳用途	井架提升6
要求的安全系数	6
二、钢丝绳参数
钢丝绳表	标准方法 6×19＋1 钢丝绳表（本程序内置）
近似重量（天然芯）	12.5 kg/100m
近似重量（合成芯）	12.1 kg/100m
最小破断拉力（纤维芯）	17.3 kN
三、计算
破断拉力 = 最小破断拉力（纤维芯） × 1000 ÷ 9.8 = 17.3 × 1000 ÷ 9.8 = 1765.30612244898 kgf
实际安全系数 = 破断拉力 ÷ 钢丝绳受力 = 1765.30612244898 ÷ 500 = 3.53
四、结论
实际安全系数 3.53 不大于要求的安全系数 6，重选钢丝绳
)" });
    // 2000 + 142.9 × 600 ÷ 100 = 2857.4 kgf; 19890 ÷ 2857.4 = 6.96087352138308.
    app::Selection vertical;
    vertical.typeLoad("2000");
    vertical.typeLength("600");
    vertical.typePurpose("井架提升6");
    jobs.push_back({ "selection, 600 m hanging", selectionSheet(vertical, k6x19Kg155Phi20),
        kHead + R"(计算方法	传统方法
钢丝绳类别	6×19＋1
强度	155kg/mm2
钢丝绳直径	φ20.0
绳端载荷(kgf)	2000
井筒形式	竖井
悬垂长度(m)	600
钢丝绳用途	井架提升6
要求的安全系数	6
二、钢丝绳参数
钢丝绳表	传统方法 6×19＋1 钢丝绳表（本程序内置）
总断面面积	151.24 mm2
每百米重量	142.9 kg
总破断拉力	23400 kgf
破断拉力	19890 kgf
三、计算
静拉力 = 绳端载荷 + 每百米重量 × 悬垂长度 ÷ 100 = 2000 + 142.9 × 600 ÷ 100 = 2857.4 kgf
实际安全系数 = 破断拉力 ÷ 静拉力 = 19890 ÷ 2857.4 = 6.96087352138308
四、结论
实际安全系数 6.96087352138308 大于要求的安全系数 6，所选钢丝绳满足要求
)" });
    // k1 = sin 28° + 0.015 cos 28°, k2 = sin 28° + 0.15 cos 28°; 8000 k1 + 2.444 × 620 k2 =
    // 4773.79400736449 kgf; 37350 ÷ that = 7.8239655800775, greater than 7.5.
    app::Selection inclined;
    inclined.typeLoad(" 8000");
    inclined.typeLength("620 ");
    inclined.typePurpose("矿井提物7.5");
    inclined.selectWay(app::listing::Way::Inclined);
    inclined.typeInclined(app::Inclined::Angle, "28");
    inclined.typeInclined(app::Inclined::Track, "0.015");
    inclined.typeInclined(app::Inclined::Drag, "0.15");
    jobs.push_back(
        { "selection, inclined", selectionSheet(inclined, { Method::Traditional, 0, 2, std::nullopt, 13 }),
            kHead + R"(计算方法	传统方法
钢丝绳类别	6×19＋1
强度	170kg/mm2
钢丝绳直径	φ26.0
绳端载荷(kgf)	8000
井筒形式	斜井
斜长(m)	620
倾角(°)	28
容器阻力系数 f1	0.015
钢丝绳阻力系数 f2	0.15
钢丝绳用途	矿井提物7.5
要求的安全系数	7.5
二、钢丝绳参数
钢丝绳表	传统方法 6×19＋1 钢丝绳表（本程序内置）
总断面面积	258.63 mm2
每百米重量	244.4 kg
总破断拉力	43950 kgf
破断拉力	37350 kgf
三、计算
Q = 绳端载荷 = 8000 kgf，β = 28°，f1 = 0.015，f2 = 0.15，L = 斜长 = 620 m
p = 每百米重量 ÷ 100 = 244.4 ÷ 100 = 2.444 kg/m
k1 = sin β + f1 × cos β = sin 28° + 0.015 × cos 28° = 0.482715776678775
k2 = sin β + f2 × cos β = sin 28° + 0.15 × cos 28° = 0.60191370171473
静拉力 = Q × k1 + p × L × k2 = 8000 × 0.482715776678775 + 2.444 × 620 × 0.60191370171473 = 4773.79400736449 kgf
实际安全系数 = 破断拉力 ÷ 静拉力 = 37350 ÷ 4773.79400736449 = 7.8239655800775
四、结论
实际安全系数 7.8239655800775 大于要求的安全系数 7.5，所选钢丝绳满足要求
)" });
    return jobs;
}

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The blocks of a section, from its heading to the next.
std::vector<Block> section(const Document &sheet, std::string_view heading)
{
    auto at = std::ranges::find(sheet.blocks, heading, &Block::text);
    std::vector<Block> blocks;
    if (at != sheet.blocks.end())
        for (++at; at != sheet.blocks.end() && at->kind != BlockKind::Heading; ++at)
            blocks.push_back(*at);
    return blocks;
}

// The text of RTF as a reader sees it: a paragraph or a table row ends a line, a cell a tab; \uN
// is a UTF-16 unit whose one fallback character is skipped; the font table and \* groups hold none.
QString rtfToText(const std::string &rtf)
{
    static const QRegularExpression token("\\\\([a-z]+)(-?\\d+)? ?|\\\\(.)|([{}])|[\\r\\n]|(.)");
    QString text;
    std::vector<bool> hidden { false };
    bool fallback = false;
    for (auto it = token.globalMatch(QString::fromLatin1(rtf)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString word = m.captured(1);
        const QString symbol = m.captured(3);
        const QString plain = m.captured(5);
        if (m.captured(4) == "{")
            hidden.push_back(hidden.back());
        else if (m.captured(4) == "}" && hidden.size() > 1)
            hidden.pop_back();
        else if (symbol == "*" || word == "fonttbl")
            hidden.back() = true;
        else if (hidden.back() || (fallback && !plain.isEmpty()))
            fallback = false;
        else if (!plain.isEmpty() || (!symbol.isEmpty() && symbol != "'"))
            text += plain + symbol;
        else if (word == "par" || word == "row")
            text = (word == "row" && text.endsWith('\t') ? text.chopped(1) : text) + '\n';
        else if (word == "cell" || word == "tab")
            text += '\t';
        else if ((fallback = word == "u"))
            text += QChar(char16_t(m.captured(2).toInt()));
    }
    return text;
}

// All ASCII, and the braces balance, escaped ones aside.
bool balancedAscii(const std::string &rtf)
{
    int depth = 0;
    for (std::size_t at = 0; at < rtf.size() && depth >= 0; ++at) {
        if (static_cast<unsigned char>(rtf[at]) >= 0x80)
            return false;
        if (rtf[at] == '\\')
            ++at;
        else
            depth += rtf[at] == '{' ? 1 : rtf[at] == '}' ? -1 : 0;
    }
    return depth == 0;
}

// Every element closed in order (meta is void), attributes quoted, no <, > or & outside a tag or
// one of the entities written.
bool wellFormedHtml(const std::string &html)
{
    static const QRegularExpression token(
        "<(/?)([!a-zA-Z0-9]+)((?: [a-z-]+(?:=\"[^\"<>]*\")?)*)>|&(?:amp|lt|gt|quot);|[<>&]");
    std::vector<QString> open;
    for (auto it = token.globalMatch(QString::fromStdString(html)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(2);
        if (m.capturedLength(0) == 1)
            return false;
        if (name.isEmpty() || name.startsWith('!') || name == "meta")
            continue;
        if (m.captured(1).isEmpty())
            open.push_back(name);
        else if (open.empty() || open.back() != name)
            return false;
        else
            open.pop_back();
    }
    return open.empty();
}

class SheetTest : public QObject {
    Q_OBJECT

private slots:
    void knownJobs_data()
    {
        QTest::addColumn<Document>("sheet"); // no blocks: none was made
        QTest::addColumn<QString>("expected");
        for (Known &job : knownSheets())
            QTest::newRow(job.name) << job.sheet.value_or(Document {}) << qt(job.expected);
    }

    void knownJobs()
    {
        QFETCH(Document, sheet);
        QFETCH(QString, expected);
        const QString text = qt(app::sheet::toText(sheet));
        QCOMPARE(text.section("五、说明\n", 0, 0), expected);
        // Then the guide's section on what the program leaves aside, and the lines to sign.
        QVERIFY(text.contains(
            "\n· 尾绳（平衡绳）的重量。\n本程序的结果不能代替规程的规定和工程技术人员的判断。\n计算："));
        QVERIFY(text.endsWith("\n校核：________________　日期：________________\n审核：________________"
                              "　日期：________________\n"));
    }

    // A rope of every table, passing and not, with mended cells: the sheet's read-outs are the
    // window's in order, its factor is the result box's (or, when too weak, the factor worked
    // out here in the box's format), and each mended read-out has its note.
    void numbersAreTheWindows_data()
    {
        QTest::addColumn<Rope>("rope");
        QTest::addColumn<QString>("force");
        QTest::addColumn<QString>("purpose");
        QTest::addColumn<int>("work");
        QTest::addColumn<QString>("factor"); // by hand, as the window's format gives it
        QTest::addColumn<bool>("passes");
        QTest::addColumn<QStringList>("notes"); // "printed→mended" of each mended read-out
        const auto traditional = [](std::size_t c, std::size_t g, int r) {
            return Rope { Method::Traditional, c, g, std::nullopt, r };
        };
        const auto standard = [](std::size_t c, std::size_t g, standard::Core core, int r) {
            return Rope { Method::Standard, c, g, core, r };
        };
        constexpr int install = 0;
        constexpr int mine = 1;
        using standard::Core;
        QTest::newRow("6x19 φ20.0 185, mended rope")
            << traditional(0, 3, 9) << "2000"
            << "井架提升6" << install << "11.875" << true << QStringList { "24700→23750" };
        QTest::newRow("6x37 φ39.0 185, mended total, too weak")
            << traditional(1, 3, 14) << "10000"
            << "矿井提人9" << install << "8.525" << false << QStringList { "10400→104000" };
        QTest::newRow("6x61 φ44.0 200, both mended")
            << traditional(2, 4, 12) << "20000"
            << "缆绳3.5" << install << "5.88" << true << QStringList { "166000→147000", "132800→117600" };
        QTest::newRow("6x61 φ36.0 200, mended rope, typed factor")
            << traditional(2, 4, 9) << " 12000 "
            << "6.5" << install << "6.47333333333333" << false << QStringList { "68680→77680" };
        QTest::newRow("6x37 φ8.7 140, exactly the factor")
            << traditional(1, 0, 0) << "300"
            << "绑扎绳10" << install << "10" << false << QStringList {};
        QTest::newRow("6x19 φ6 fibre 1570") << standard(0, 1, Core::Fibre, 3) << "500"
                                            << "井架提升6" << install << "3.53" << false << QStringList {};
        QTest::newRow("6x37 φ8 steel 1870, mended, mine")
            << standard(1, 4, Core::Steel, 2) << "500"
            << "井架提升6" << mine << "10.39" << true << QStringList { "33.1→38.1" };
        QTest::newRow("6x61 φ40 steel 1670") << standard(2, 2, Core::Steel, 0) << "20000"
                                             << "矿井提物7.5" << install << "4.44" << false << QStringList {};
        QTest::newRow("18x7 φ20 1470, mine, passenger list item typed")
            << standard(3, 0, Core::Fibre, 11) << "1000"
            << "载人升降14" << mine << "25.14" << true << QStringList {};
    }

    void numbersAreTheWindows()
    {
        QFETCH(Rope, rope);
        QFETCH(QString, force);
        QFETCH(QString, purpose);
        QFETCH(int, work);
        QFETCH(QString, factor);
        QFETCH(bool, passes);
        QFETCH(QStringList, notes);
        trial::Calculator calculator;
        app::Form1 &w = calculator.form();
        calculate(w, rope, force.toStdString(), purpose.toStdString(), WorkType(work));
        const std::optional<Document> sheet = app::sheet::calculatorSheet(w, rope.method, kDate);
        QVERIFY(sheet);

        const bool traditional = rope.method == Method::Traditional;
        QStringList shown;
        for (const app::Box box : app::kReadouts)
            if ((traditional ? rankIn(app::kTraditionalReadouts, box) : rankIn(app::kStandardReadouts, box))
                && !w.state(box).text.empty())
                shown << qt(w.state(box).text);
        QStringList onSheet;
        QStringList noted;
        for (const Block &block : section(*sheet, "二、钢丝绳参数")) {
            if (block.text == "钢丝绳表")
                continue;
            if (block.kind == BlockKind::Row)
                onSheet << qt(block.value).section(' ', 0, 0);
            if (block.value.ends_with("）") || block.kind == BlockKind::Footnote)
                noted << qt(block.value + block.text);
        }
        QCOMPARE(onSheet, shown);
        // Each mended read-out is marked, and its note says from what to what.
        QCOMPARE(noted.size(), 2 * notes.size());
        for (qsizetype k = 0; k < notes.size(); ++k) {
            const QString mark = QStringLiteral("注%1").arg(k + 1);
            const QStringList values = notes[k].split("→");
            QVERIFY(noted.filter("（" + mark + "）").size() == 1);
            QVERIFY2(noted.filter(mark + "：").size() == 1
                    && noted.filter(mark + "：")
                           .front()
                           .contains("原表为 " + values[0] + "，程序改为 " + values[1] + "。"),
                qPrintable(noted.join('|')));
        }

        const std::string result = w.state(traditional ? app::kTraditionalResult : app::kStandardResult).text;
        QCOMPARE(qt(result), passes ? factor : qt(common::kTooWeakText));
        QVERIFY(section(*sheet, "三、计算").back().text.ends_with(" = " + factor.toStdString()));
        const std::string verdict = section(*sheet, "四、结论").front().text;
        QVERIFY2(verdict.starts_with("实际安全系数 " + factor.toStdString() + (passes ? " 大于" : " 不大于")),
            verdict.c_str());
    }

    // The standard result rounds to two decimals; when the rounded digits compare with the
    // required factor otherwise than the factor does, the sheet gives the factor itself.
    void roundingThatHidesTheMarginIsExplained()
    {
        // 30.8 × 1000 ÷ 9.8 ÷ 523.7 = 6.00125…, shown "6." and passing 6.
        const std::optional<Document> sheet
            = calculatorSheet({ Method::Standard, 0, 1, standard::Core::Fibre, 5 }, "523.7", "井架提升6");
        QVERIFY(sheet);
        const std::vector<Block> verdict = section(*sheet, "四、结论");
        QCOMPARE(verdict.size(), std::size_t(2));
        QCOMPARE(qt(verdict[0].text), "实际安全系数 6. 大于要求的安全系数 6，所选钢丝绳满足要求");
        QVERIFY2(verdict[1].text.starts_with("舍入前的实际安全系数为 6.00125"), verdict[1].text.c_str());
    }

    // A sheet only of a result the frame shows for its controls as they stand.
    void noSheetWithoutAResult()
    {
        trial::Calculator calculator;
        app::Form1 &w = calculator.form();
        const auto sheetOf
            = [&w](Method method) { return app::sheet::calculatorSheet(w, method, kDate).has_value(); };
        QVERIFY(!sheetOf(Method::Traditional) && !sheetOf(Method::Standard));
        calculate(w, k6x19Kg155Phi20, "", "井架提升6"); // no force: a message
        QVERIFY(calculator.messaged);
        QVERIFY(!sheetOf(Method::Traditional));
        w.type(app::kTraditionalForce, "2000");
        w.press(app::kTraditionalCommand);
        QVERIFY(sheetOf(Method::Traditional));
        QVERIFY(!sheetOf(Method::Standard));
        // The menu's sheet is of the frame pressed last; the standard "计  算", disabled with a
        // traditional class, takes no press.
        w.press(app::kStandardCommand);
        QCOMPARE(app::sheet::lastCalculationSheet(w, kDate)->blocks,
            app::sheet::calculatorSheet(w, Method::Traditional, kDate)->blocks);
        w.type(app::kTraditionalForce, "2500"); // the result is emptied
        QVERIFY(!sheetOf(Method::Traditional));
        calculator.messaged = false;
        calculate(w, { Method::Traditional, 0, 4, std::nullopt, 20 }, "2000", "井架提升6"); // 无此型号
        QVERIFY(calculator.messaged);
        QVERIFY(!sheetOf(Method::Traditional));
    }

    // The save dialog's name decides the file's format.
    void formatOfName()
    {
        using app::sheet::FileFormat;
        QCOMPARE(app::sheet::formatOf("计算书.rtf"), FileFormat::Rtf);
        QCOMPARE(app::sheet::formatOf("C:\\a.b\\sheet.HTM"), FileFormat::Html);
        QCOMPARE(app::sheet::formatOf("sheet.Pdf"), FileFormat::Pdf);
        QCOMPARE(app::sheet::formatOf("sheet.rtf.txt"), std::nullopt);
        QCOMPARE(app::sheet::formatOf("sheet"), std::nullopt);
        QCOMPARE(app::sheet::dateText(2026, 12, 1), "2026年12月1日");
    }

    // Each mended cell's reason is the guide's own sentence.
    void mendedReasonsAreTheGuides()
    {
        const std::string_view guide = app::guide::markdown();
        for (const traditional::MendedCell &cell : traditional::kMendedCells)
            QVERIFY2(guide.find(cell.reason) != std::string_view::npos, std::string(cell.reason).c_str());
        for (const standard::MendedCell &cell : standard::kMendedCells)
            QVERIFY2(guide.find(cell.reason) != std::string_view::npos, std::string(cell.reason).c_str());
    }

    // RTF reads back as the plain text and HTML is well formed, for the known sheets and for text
    // each must escape: braces, a backslash, markup, a tab, a character beyond 16 bits.
    void writersKeepTheText_data()
    {
        QTest::addColumn<Document>("sheet");
        for (Known &job : knownSheets())
            QTest::newRow(job.name) << job.sheet.value_or(Document {});
        QTest::newRow("characters to escape") << Document { { { BlockKind::Title, "A & B <c> \"d\"" },
            { BlockKind::Row, "{键}", "C:\\x\t𠀀 é" }, { BlockKind::Row, "二", "" },
            { BlockKind::Footnote, "注1：½" } } };
    }

    void writersKeepTheText()
    {
        QFETCH(Document, sheet);
        QVERIFY(!sheet.blocks.empty());
        const std::string rtf = app::sheet::toRtf(sheet);
        QVERIFY(balancedAscii(rtf));
        QVERIFY(rtf.starts_with("{\\rtf1") && rtf.find("\\fcharset134 SimSun") != std::string::npos
            && rtf.find("\\paperw11906\\paperh16838") != std::string::npos);
        QCOMPARE(rtfToText(rtf), qt(app::sheet::toText(sheet)));
        const std::string html = app::sheet::toHtml(sheet);
        QVERIFY(wellFormedHtml(html));
        QVERIFY(html.find("<meta charset=\"utf-8\">") != std::string::npos
            && html.find("size: A4") != std::string::npos);
    }
};

} // namespace

QTEST_APPLESS_MAIN(SheetTest)
#include "tst_sheet.moc"
