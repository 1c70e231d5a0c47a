// The help texts without a display: the guide's Markdown read into the blocks a plain-text page
// shows, the built-in guide kept to what that page can show, and the About text.

#include "app/help/help.h"

#include <QtTest>

using app::guide::Block;
using app::guide::Paragraph;
using Paragraphs = std::vector<Paragraph>;
Q_DECLARE_METATYPE(Paragraphs)

namespace {

QString shown(const Paragraphs &blocks)
{
    QStringList lines;
    for (const Paragraph &block : blocks)
        lines << QString::number(int(block.block)) + QLatin1Char(':') + QString::fromStdString(block.text);
    return lines.join(QLatin1Char('|'));
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void paragraphs_data();
    void paragraphs();
    void guideUsesOnlyWhatEveryPageShows();
    void aboutText();
};

void TestHelp::paragraphs_data()
{
    QTest::addColumn<QString>("markdown");
    QTest::addColumn<Paragraphs>("expected");
    QTest::newRow("headings") << "# 使用说明\n\n## 一、单位\n"
                              << Paragraphs { { Block::Title, "使用说明" }, { Block::Heading, "一、单位" } };
    QTest::newRow("strong words and list items")
        << "- **传统方法**：kg/mm2\n1. 选绳类\n12. 按“计  算”"
        << Paragraphs { { Block::Bullet, "· 传统方法：kg/mm2" }, { Block::Numbered, "1. 选绳类" },
               { Block::Numbered, "12. 按“计  算”" } };
    // A paragraph's wrapped lines join as Markdown joins them; a blank line ends it.
    QTest::newRow("wrapped paragraph, CRLF")
        << "The above\r\ncopyright notice.  \r\n\r\nTHE SOFTWARE\r\n"
        << Paragraphs { { Block::Paragraph, "The above copyright notice." },
               { Block::Paragraph, "THE SOFTWARE" } };
    QTest::newRow("no list without a blank after its mark")
        << "-5 kgf\n\n2.5 倍\n\n#1"
        << Paragraphs { { Block::Paragraph, "-5 kgf" }, { Block::Paragraph, "2.5 倍" },
               { Block::Paragraph, "#1" } };
    QTest::newRow("a list item after a paragraph line starts a block")
        << "算例：\n- 2000 kgf"
        << Paragraphs { { Block::Paragraph, "算例：" }, { Block::Bullet, "· 2000 kgf" } };
    QTest::newRow("empty") << "" << Paragraphs {};
}

void TestHelp::paragraphs()
{
    QFETCH(QString, markdown);
    QFETCH(Paragraphs, expected);
    const QByteArray utf8 = markdown.toUtf8();
    QCOMPARE(shown(app::guide::paragraphs(std::string_view(utf8.data(), std::size_t(utf8.size())))),
        shown(expected));
}

// Both pages show the blocks as styled plain text: any Markdown beyond them would show as marks,
// and a paragraph's wrapped lines are joined with a blank, a wrong blank between ideographs: each
// paragraph is one line.
void TestHelp::guideUsesOnlyWhatEveryPageShows()
{
    const QString guide = QString::fromStdString(std::string(app::guide::markdown()));
    QVERIFY(guide.startsWith(QStringLiteral("# ")));
    const QStringList lines = guide.split(QLatin1Char('\n'));
    for (qsizetype at = 0; at < lines.size(); ++at) {
        const QString &line = lines[at];
        const QString where = QStringLiteral("line %1: %2").arg(at + 1).arg(line);
        QVERIFY2(!line.startsWith(QStringLiteral("###")) && !line.startsWith(QLatin1Char('|'))
                && !line.startsWith(QLatin1Char(' ')) && !line.startsWith(QStringLiteral("* "))
                && !line.contains(QLatin1Char('`')) && !line.contains(QLatin1Char('[')),
            qPrintable(where));
        QVERIFY2(line.count(QStringLiteral("**")) % 2 == 0, qPrintable(where));
        const bool continues = !line.isEmpty() && at + 1 < lines.size() && !lines[at + 1].isEmpty()
            && !lines[at + 1].startsWith(QStringLiteral("- ")) && !lines[at + 1].front().isDigit()
            && !line.startsWith(QStringLiteral("- ")) && !line.front().isDigit();
        QVERIFY2(!continues, qPrintable(where));
    }
    const Paragraphs blocks = app::guide::paragraphs(app::guide::markdown());
    QCOMPARE(std::count_if(
                 blocks.begin(), blocks.end(), [](const Paragraph &p) { return p.block == Block::Title; }),
        1);
    QVERIFY(std::count_if(blocks.begin(), blocks.end(), [](const Paragraph &p) {
        return p.block == Block::Heading;
    }) >= 10);
    for (const Paragraph &block : blocks)
        QVERIFY2(block.text.find("**") == std::string::npos, block.text.c_str());
}

// Name, version and the licence with its notice, each paragraph one line for the box to wrap.
void TestHelp::aboutText()
{
    const QStringList lines = QString::fromStdString(app::aboutText()).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("钢丝绳安全系数计算器"));
    QCOMPARE(lines.value(1), QStringLiteral("版本 " ROPECALC_VERSION));
    QCOMPARE(QString::fromStdString(std::string(app::version())), QStringLiteral(ROPECALC_VERSION));
    QCOMPARE(lines.value(3), QStringLiteral("MIT License"));
    QVERIFY(lines.contains(
        QStringLiteral("The above copyright notice and this permission notice shall be included "
                       "in all copies or substantial portions of the Software.")));
    QVERIFY(lines.filter(QStringLiteral("Copyright (c) ")).size() == 1);
    QVERIFY(lines.last().endsWith(QStringLiteral("DEALINGS IN THE SOFTWARE.")));
}

QTEST_APPLESS_MAIN(TestHelp)
#include "tst_help.moc"
