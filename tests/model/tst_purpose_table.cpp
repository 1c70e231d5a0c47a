#include "common/purpose_table.h"

#include <QtTest>
#include <charconv>
#include <set>
#include <string>

class TestPurposeTable : public QObject {
    Q_OBJECT

private slots:
    void textsAreUnique();
    void textEndsWithItsFactor();
    void lookupFindsEachPurpose_data();
    void lookupFindsEachPurpose();
    void lookupRejects_data();
    void lookupRejects();
};

void TestPurposeTable::textsAreUnique()
{
    std::set<std::string_view> texts;
    for (const common::Purpose &purpose : common::kPurposes)
        QVERIFY2(texts.insert(purpose.text).second, std::string(purpose.text).c_str());
}

// The digits ending each text are what the user reads; the factor held beside them must agree.
void TestPurposeTable::textEndsWithItsFactor()
{
    for (const common::Purpose &purpose : common::kPurposes) {
        const std::string_view text = purpose.text;
        const std::size_t start = text.find_last_not_of("0123456789.") + 1;
        double shown = 0;
        const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), shown);
        QVERIFY2(start < text.size() && error == std::errc() && end == text.data() + text.size(),
            std::string(text).c_str());
        QCOMPARE(purpose.requiredFactor, shown);
    }
}

void TestPurposeTable::lookupFindsEachPurpose_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("factor");
    for (const common::Purpose &purpose : common::kPurposes)
        QTest::addRow("%s", std::string(purpose.text).c_str())
            << QByteArray(purpose.text.data(), qsizetype(purpose.text.size())) << purpose.requiredFactor;
}

void TestPurposeTable::lookupFindsEachPurpose()
{
    QFETCH(QByteArray, text);
    QFETCH(double, factor);
    const std::optional<double> found
        = common::purposeFactor(std::string_view(text.constData(), text.size()));
    QVERIFY(found.has_value());
    QCOMPARE(*found, factor);
}

void TestPurposeTable::lookupRejects_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addRow("leading blank") << QByteArray(" 缆绳3.5");
    QTest::addRow("trailing blank") << QByteArray("缆绳3.5 ");
    QTest::addRow("name without factor") << QByteArray("缆绳");
    QTest::addRow("name with other factor") << QByteArray("缆绳3.50");
    QTest::addRow("end of a name") << QByteArray("绳3.5");
    QTest::addRow("bare number") << QByteArray("10");
    QTest::addRow("trailing NUL") << QByteArray(QByteArray("缆绳3.5") + '\0');
    QTest::addRow("empty") << QByteArray();
}

void TestPurposeTable::lookupRejects()
{
    QFETCH(QByteArray, text);
    QVERIFY(!common::purposeFactor(std::string_view(text.constData(), text.size())).has_value());
}

QTEST_GUILESS_MAIN(TestPurposeTable)
#include "tst_purpose_table.moc"
