// Rope selection on the model: the list holds exactly the ropes that the calculator passes for
// the job, each taken over shows the row's factor there, and bad input empties the list with a
// line that says why.

#include "app/selection/selection.h"
#include "common/number_format.h"
#include "common/number_reading.h"
#include "listing/rope_listing.h"
#include "tests/model/model_window.h"
#include "tests/support/calculator_trial.h"

#include <QTest>
#include <algorithm>
#include <map>
#include <tuple>

Q_DECLARE_METATYPE(app::listing::Job)

namespace {

using app::listing::Column;
using app::listing::Job;
using app::listing::Listed;
using app::listing::Method;
using standard::WorkType;

constexpr auto kFactor = std::size_t(Column::Factor);

using trial::keyOf;
using trial::RopeKey;

Job job(const char *load, const char *length, const char *purpose, WorkType work = WorkType::Installation)
{
    return { load, length, purpose, work, true, true };
}

// The same up a slope of `angle` degrees with the resistance coefficients f1 and f2.
Job inclined(const char *load, const char *length, const char *purpose, const char *angle, const char *f1,
    const char *f2, WorkType work = WorkType::Installation)
{
    Job asked = job(load, length, purpose, work);
    asked.way = app::listing::Way::Inclined;
    asked.angle = angle;
    asked.track = f1;
    asked.drag = f2;
    return asked;
}

// The worked example of an inclined shaft: five cars of 1000 kg carrying 600 kg each up 28°.
Job workedExample(WorkType work = WorkType::Installation)
{
    return inclined("8000", "620", "矿井提物7.5", "28", "0.015", "0.15", work);
}

const app::listing::Catalogue catalogue;

app::listing::Listing listRopes(const Job &job)
{
    return app::listing::listRopes(catalogue, job);
}

class RopeListingTest : public QObject {
    Q_OBJECT

private slots:
    void listsExactlyWhatTheCalculatorPasses_data()
    {
        QTest::addColumn<Job>("job");
        QTest::addColumn<int>("atLeast"); // rows; a listing of almost nothing proves little
        QTest::newRow("a headframe rope hanging 600 m") << job("2000", "600", "井架提升6") << 200;
        QTest::newRow("persons, mine construction")
            << job("2000", "", "矿井提人9", WorkType::MineConstruction) << 300;
        QTest::newRow("a typed factor, blanks round the length") << job("500", " 250.5 ", "7.5") << 400;
        QTest::newRow("passenger lift, which the standard list lacks")
            << job("1000", "100", "载人升降14", WorkType::MineConstruction) << 300;
        QTest::newRow("so long that only the strongest pass") << job("100", "4000", "缆绳3.5") << 1;
        QTest::newRow("the inclined worked example") << workedExample() << 200;
        QTest::newRow("the same, mine construction") << workedExample(WorkType::MineConstruction) << 200;
        QTest::newRow("a gentle slope, no drag, typed factor")
            << inclined("3000", "1500.5", "6.5", "3.5", " 0.02 ", "0", WorkType::MineConstruction) << 300;
        QTest::newRow("a slope of 90°") << inclined("2000", "600", "井架提升6", "90", "0.5", "0.9") << 200;
    }

    // Both ways: every listed rope passes in the calculator with its factor, and every rope the
    // calculator passes is listed.
    void listsExactlyWhatTheCalculatorPasses()
    {
        QFETCH(Job, job);
        QFETCH(int, atLeast);
        const app::listing::Listing listing = listRopes(job);
        QVERIFY(listing.problem.empty());
        QVERIFY2(int(listing.rows.size()) >= atLeast, std::to_string(listing.rows.size()).c_str());
        std::map<RopeKey, std::string> listed;
        for (const Listed &row : listing.rows)
            QVERIFY(listed.emplace(keyOf(row.rope), row.cells.at(kFactor)).second);
        for (const RopeKey &rope : trial::everyRope()) {
            const std::optional<std::string> shown = trial::tryInCalculator(job, rope);
            const auto found = listed.find(rope);
            const std::string where = std::to_string(std::get<0>(rope)) + "/"
                + std::to_string(std::get<1>(rope)) + "/" + std::to_string(std::get<2>(rope)) + "/"
                + std::to_string(std::get<3>(rope)) + "/" + std::to_string(std::get<4>(rope));
            QVERIFY2(shown.has_value() == (found != listed.end()), where.c_str());
            if (shown)
                QCOMPARE(found->second, *shown);
        }
    }

    // Taken over into a calculator that shows another calculation, each row makes it show the
    // row's factor.
    void takenOverRowsShowTheirFactor()
    {
        for (const Job &job :
            { job("2000", "600", "井架提升6"), job("1000", "100", "载人升降14", WorkType::MineConstruction),
                job("800", "50", "9.5"), workedExample(WorkType::MineConstruction) }) {
            ModelWindow w;
            for (const Listed &row : listRopes(job).rows) {
                QVERIFY(app::takeOver(w.form(), row, job));
                const app::Box result
                    = row.rope.method == Method::Traditional ? app::kTraditionalResult : app::kStandardResult;
                QCOMPARE(w->state(result).text, row.cells.at(kFactor));
                QVERIFY(w.messages.isEmpty());
            }
        }
    }

    // Under the calculator's message box no input reaches it, so taking over is refused.
    void takingOverIsRefusedUnderAMessageBox()
    {
        ModelWindow w;
        const Job asked = job("2000", "", "井架提升6");
        const Listed first = listRopes(asked).rows.front();
        std::optional<bool> taken;
        w.duringMessage = [&] { taken = app::takeOver(w.form(), first, asked); };
        w.select(1);
        QCOMPARE(w.press(1).size(), 1); // no diameter: a message
        QCOMPARE(taken, false);
        QVERIFY(w->state(app::kTraditionalResult).text.empty());
    }

    // The calculation a person would have to do by hand: 2,000 kgf on 600 m of φ20.0 6×19＋1
    // rope of 155 kg/mm2 wire, whose 600 m weigh 857.4 kg.
    void aKnownRow()
    {
        const auto rows = listRopes(job("2000", "600", "井架提升6")).rows;
        const auto found = std::ranges::find_if(rows, [](const Listed &row) {
            return row.rope == app::listing::Rope { Method::Traditional, 0, 1, std::nullopt, 9 };
        });
        QVERIFY(found != rows.end());
        // The longest length: (19890 ÷ 6 − 2000) ÷ 1.429 = 920.22… m.
        const std::array<std::string, app::listing::kColumnCount> cells { "传统", "6×19＋1", "155kg/mm2", "",
            "φ20.0", "142.9", "19890", "2857.4", common::formatGeneral(19890 / 2857.4), "920.2" };
        QCOMPARE(found->cells, cells);
        QCOMPARE(found->cells.at(kFactor).substr(0, 4), "6.96");
        // Under 2030.329 kgf the rope's 899 m make 3315 kgf, where the factor is 6 exactly and
        // does not pass: the longest length is a tenth less.
        const auto boundary = listRopes(job("2030.329", "", "井架提升6")).rows;
        const auto same = std::ranges::find(boundary, found->rope, &Listed::rope);
        QVERIFY(same != boundary.end());
        QCOMPARE(same->cells.at(std::size_t(Column::Longest)), "898.9");
    }

    // The published example's brackets 0.48272 and 0.60191 give 4772.3 kgf for a rope of
    // 2.44 kg/m; in the list every row's tension is 8000 × k1 + weight × 6.2 × k2.
    void theInclinedWorkedExample()
    {
        const app::listing::Incline incline = app::listing::inclineOf(28, 0.015, 0.15);
        QVERIFY(std::abs(incline.load - 0.48272) < 5e-6 && std::abs(incline.rope - 0.60191) < 5e-6);
        QVERIFY(std::abs(app::listing::staticTension(8000, 244, 620, incline) - 4772.3) < 0.05);
        // A vertical job adds the weight as it is: no sine of 90° rounds it.
        QCOMPARE(app::listing::staticTension(2000, 142.9, 600, std::nullopt), 2000 + 142.9 * 600 / 100);
        for (const WorkType work : { WorkType::Installation, WorkType::MineConstruction }) {
            const auto rows = listRopes(workedExample(work)).rows;
            QVERIFY(rows.size() > 200);
            for (const Listed &row : rows) {
                const double weight = row.keys.at(std::size_t(Column::Weight));
                QCOMPARE(row.cells.at(std::size_t(Column::Tension)),
                    common::formatGeneral(8000 * incline.load + weight * 6.2 * incline.rope));
            }
            const auto found = std::ranges::find_if(rows, [](const Listed &row) {
                return row.rope.method == Method::Traditional && row.rope.ropeClass == 0
                    && row.cells.at(std::size_t(Column::Diameter)) == "φ26.0";
            });
            QVERIFY(found != rows.end());
            QCOMPARE(found->cells.at(std::size_t(Column::Weight)), "244.4");
            QCOMPARE(found->cells.at(std::size_t(Column::Tension)), "4773.79400736449");
        }
    }

    // The longest length of a sample of rows of every method and work type, vertical and
    // inclined: the calculator passes the rope at that length and fails it 0.1 m longer.
    void longestLengthIsWhereTheRopeStopsPassing_data()
    {
        QTest::addColumn<Job>("job");
        QTest::newRow("headframe, installation") << job("2000", "600", "井架提升6");
        QTest::newRow("persons, mine construction")
            << job("1000", "", "矿井提人9", WorkType::MineConstruction);
        QTest::newRow("inclined, installation") << workedExample();
        QTest::newRow("inclined, mine construction, typed factor")
            << inclined("500", "10", "5", "12.5", "0.01", "0.2", WorkType::MineConstruction);
    }

    void longestLengthIsWhereTheRopeStopsPassing()
    {
        QFETCH(Job, job);
        const auto rows = listRopes(job).rows;
        std::array<int, 2> tried {};
        for (std::size_t k = 0; k < rows.size(); k += 23) {
            const Listed &row = rows.at(k);
            const double longest = row.keys.at(std::size_t(Column::Longest));
            QCOMPARE(common::formatGeneral(longest * 10), common::formatGeneral(std::round(longest * 10)));
            Job at = job;
            at.length = row.cells.at(std::size_t(Column::Longest));
            QVERIFY2(trial::tryInCalculator(at, keyOf(row.rope)).has_value(), at.length.c_str());
            at.length = common::formatGeneral((std::round(longest * 10) + 1) / 10);
            QVERIFY2(!trial::tryInCalculator(at, keyOf(row.rope)).has_value(), at.length.c_str());
            ++tried.at(std::size_t(row.rope.method));
        }
        QVERIFY(tried[0] > 3 && tried[1] > 3);
    }

    void badInputEmptiesTheList_data()
    {
        QTest::addColumn<Job>("job");
        QTest::addColumn<QString>("status");
        const QString purpose = ModelWindow::qt(common::kChoosePurposeMessage);
        QTest::newRow("no load") << job("", "10", "绑扎绳10") << "请输入绳端载荷";
        QTest::newRow("blank load") << job("  ", "10", "绑扎绳10") << "请输入绳端载荷";
        QTest::newRow("load 0") << job("0", "", "绑扎绳10") << "绳端载荷须大于0";
        QTest::newRow("negative load") << job("-5", "", "绑扎绳10") << "绳端载荷须大于0";
        QTest::newRow("load with a unit") << job("12kg", "", "绑扎绳10") << "绳端载荷须为一个数";
        QTest::newRow("load beyond a double") << job("1e999", "", "绑扎绳10") << "绳端载荷须为一个数";
        QTest::newRow("comma") << job("1", "3,5", "绑扎绳10") << "悬垂长度须为一个数";
        QTest::newRow("negative length") << job("1", "-0.5", "绑扎绳10") << "悬垂长度不能为负数";
        QTest::newRow("no purpose") << job("1", "", "") << purpose;
        QTest::newRow("purpose no factor") << job("1", "", "井架提升") << purpose;
        QTest::newRow("factor and more") << job("1", "", "6倍") << purpose;
        Job neither = job("1", "", "6");
        neither.traditional = neither.standard = false;
        QTest::newRow("no method") << neither << "请选择传统方法或标准方法";
        QTest::newRow("huge load: nothing passes") << job("1e308", "", "6") << "表中没有满足要求的钢丝绳";
        QTest::newRow("huge length: nothing passes") << job("1", "1e308", "6") << "表中没有满足要求的钢丝绳";
        QTest::newRow("tiny load: the factor overflows")
            << job("1e-320", "", "6") << "表中没有满足要求的钢丝绳";
        QTest::newRow("inclined, no angle") << inclined("1", "", "6", "", "0", "0") << "请输入倾角";
        QTest::newRow("angle 0") << inclined("1", "", "6", "0", "0", "0") << "倾角须大于0°且不大于90°";
        QTest::newRow("angle over 90")
            << inclined("1", "", "6", "90.5", "0", "0") << "倾角须大于0°且不大于90°";
        QTest::newRow("negative angle")
            << inclined("1", "", "6", "-30", "0", "0") << "倾角须大于0°且不大于90°";
        QTest::newRow("angle not a number") << inclined("1", "", "6", "nan", "0", "0") << "倾角须为一个数";
        QTest::newRow("no f1") << inclined("1", "", "6", "30", " ", "0") << "请输入容器阻力系数 f1";
        QTest::newRow("negative f1") << inclined("1", "", "6", "30", "-0.01", "0")
                                     << "容器阻力系数 f1 须不小于0且小于1";
        QTest::newRow("f1 of 1") << inclined("1", "", "6", "30", "1", "0")
                                 << "容器阻力系数 f1 须不小于0且小于1";
        QTest::newRow("f1 not a number")
            << inclined("1", "", "6", "30", "0.0.1", "0") << "容器阻力系数 f1 须为一个数";
        QTest::newRow("no f2") << inclined("1", "", "6", "30", "0", "") << "请输入钢丝绳阻力系数 f2";
        QTest::newRow("f2 over 1") << inclined("1", "", "6", "30", "0", "1.5")
                                   << "钢丝绳阻力系数 f2 须不小于0且小于1";
        QTest::newRow("f2 not a number")
            << inclined("1", "", "6", "30", "0", "inf") << "钢丝绳阻力系数 f2 须为一个数";
        QTest::newRow("inclined negative length")
            << inclined("1", "-1", "6", "30", "0", "0") << "斜长不能为负数";
        QTest::newRow("length and angle fine, load not")
            << inclined("2t", "600", "6", "30", "0", "0") << "绳端载荷须为一个数";
        QTest::newRow("vertical ignores the inclined inputs") << [] {
            Job asked = inclined("1e308", "", "6", "x", "x", "x");
            asked.way = app::listing::Way::Vertical;
            return asked;
        }() << "表中没有满足要求的钢丝绳";
    }

    void badInputEmptiesTheList()
    {
        QFETCH(Job, job);
        QFETCH(QString, status);
        const app::listing::Listing listing = listRopes(job);
        QVERIFY(listing.rows.empty());
        QCOMPARE(ModelWindow::qt(app::listing::statusLine(listing)), status);
    }

    void theWindowsModelListsAsTheUserTypes()
    {
        app::Selection selection;
        QCOMPARE(ModelWindow::qt(selection.status()), "请输入绳端载荷");
        selection.typeLoad("1");
        selection.pickPurpose(2);
        QCOMPARE(selection.job().purpose, "井架提升6");
        QCOMPARE(selection.rows().size(), listRopes(job("1", "", "井架提升6")).rows.size());
        QCOMPARE(ModelWindow::qt(selection.status()),
            QStringLiteral("共有 %1 种钢丝绳满足要求").arg(selection.rows().size()));
        selection.showMethod(Method::Standard, false);
        QVERIFY(std::ranges::all_of(
            selection.rows(), [](const Listed &row) { return row.rope.method == Method::Traditional; }));
        selection.typeLength("x");
        QVERIFY(selection.rows().empty());
        QCOMPARE(ModelWindow::qt(selection.status()), "悬垂长度须为一个数");
    }

    // Lightest first; equal weights in the windows' order. A header click orders by its column,
    // a second click reverses; a new listing keeps the order; ties keep the lightest first.
    void order_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("clicks");
        QTest::newRow("first order") << -1 << 0;
        for (std::size_t k = 0; k < app::listing::kColumnCount; ++k) {
            const QByteArray title(app::listing::kColumnTitles.at(k).data(),
                qsizetype(app::listing::kColumnTitles.at(k).size()));
            QTest::newRow(title + " up") << int(k) << 1;
            QTest::newRow(title + " down") << int(k) << 2;
        }
    }

    void order()
    {
        QFETCH(int, column);
        QFETCH(int, clicks);
        app::Selection selection;
        selection.typeLoad("1");
        selection.typePurpose("6");
        for (int k = 0; k < clicks; ++k)
            selection.sortBy(Column(column));
        selection.typeLength("10"); // lists anew
        const auto &rows = selection.rows();
        QVERIFY(rows.size() > 1000);
        const std::size_t at = column < 0 ? std::size_t(Column::Weight) : std::size_t(column);
        const bool down = clicks == 2;
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const Listed &a = rows.at(i - 1);
            const Listed &b = rows.at(i);
            const double x = a.keys.at(at);
            const double y = b.keys.at(at);
            QVERIFY2(down ? x >= y : x <= y, std::to_string(i).c_str());
            if (at >= std::size_t(Column::Diameter) && at != std::size_t(Column::Factor))
                QCOMPARE(common::wholeNumber(a.cells.at(at)).value_or(x), x); // the key is the cell's number
            if (x != y)
                continue;
            const double wa = a.keys.at(std::size_t(Column::Weight));
            const double wb = b.keys.at(std::size_t(Column::Weight));
            QVERIFY(wa <= wb);
            if (wa == wb)
                QVERIFY(keyOf(a.rope) < keyOf(b.rope));
        }
    }

    void copiesTheJobAndTheRowsAsATable()
    {
        Job asked = job("2000", "600", "6");
        asked.work = WorkType::MineConstruction;
        const auto rows = listRopes(asked).rows;
        const std::string text = app::listing::copyText(asked, { rows.front() });
        std::string expected = "绳端载荷(kgf)\t2000\r\n井筒形式\t竖井\r\n悬垂长度(m)"
                               "\t600\r\n钢丝绳用途\t6\r\n标准方法\t矿建\r\n\r\n"
                               "方法\t类别\t强度\t绳芯\t直径\t每百米重量(kg)\t破断拉力(kgf)\t静拉力(kgf)"
                               "\t安全系数\t最大长度(m)\r\n";
        for (const std::string &cell : rows.front().cells)
            expected.append(cell).append("\t");
        expected.back() = '\r';
        expected.append("\n");
        QCOMPARE(text, expected);
        asked.purpose = "井架\t提升\n6";
        QVERIFY(app::listing::copyText(asked, {}).find("钢丝绳用途\t井架 提升 6\r\n") != std::string::npos);
        QVERIFY(app::listing::copyText(workedExample(), {})
                    .starts_with(
                        "绳端载荷(kgf)\t8000\r\n井筒形式\t斜井\r\n斜长(m)\t620\r\n倾角(°)"
                        "\t28\r\n容器阻力系数 f1\t0.015\r\n"
                        "钢丝绳阻力系数 f2\t0.15\r\n钢丝绳用途\t矿井提物7.5\r\n标准方法\t安装\r\n\r\n方法"));
    }
};

} // namespace

QTEST_APPLESS_MAIN(RopeListingTest)
#include "tst_rope_listing.moc"
