// The presentation rules both front ends take their layout from: twips to pixels at any DPI,
// rounded as the Win32 MulDiv rounds; a label grown about its middle; the option buttons that go
// together.

#include "app/calculator/presentation.h"

#include <QtTest>

class TestPresentation : public QObject {
    Q_OBJECT

private slots:
    void pixelsRoundToNearest_data();
    void pixelsRoundToNearest();
    void labelGrowsAboutItsMiddle_data();
    void labelGrowsAboutItsMiddle();
    void optionGroupIsItsFrame_data();
    void optionGroupIsItsFrame();
};

void TestPresentation::pixelsRoundToNearest_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("15 twips are a pixel at 96 dpi") << 15 << 96 << 1;
    QTest::newRow("just under a half rounds down") << 7 << 96 << 0;
    QTest::newRow("just over a half rounds up") << 8 << 96 << 1;
    QTest::newRow("a half rounds up") << 5 << 144 << 1;
    QTest::newRow("a negative half rounds away from zero") << -5 << 144 << -1;
    QTest::newRow("client width at 96 dpi") << 7826 << 96 << 522;
    QTest::newRow("client height at 96 dpi") << 6314 << 96 << 421;
    QTest::newRow("client width at 200 %") << 7826 << 192 << 1043;
}

void TestPresentation::pixelsRoundToNearest()
{
    QFETCH(int, twips);
    QFETCH(int, dpi);
    QFETCH(int, pixels);
    QCOMPARE(app::pixels(twips, dpi), pixels);
}

void TestPresentation::labelGrowsAboutItsMiddle_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("grownTop");
    QTest::addColumn<int>("grownHeight");
    QTest::newRow("lower than a line") << 20 << 11 << 16 << 18 << 16;
    QTest::newRow("an odd difference puts the extra pixel below") << 20 << 10 << 13 << 19 << 13;
    QTest::newRow("a line high already") << 20 << 16 << 16 << 20 << 16;
    QTest::newRow("higher than a line") << 20 << 30 << 16 << 20 << 30;
}

void TestPresentation::labelGrowsAboutItsMiddle()
{
    QFETCH(int, top);
    QFETCH(int, height);
    QFETCH(int, line);
    QFETCH(int, grownTop);
    QFETCH(int, grownHeight);
    QCOMPARE(app::grownLabel(top, height, line), (app::VerticalExtent { grownTop, grownHeight }));
}

void TestPresentation::optionGroupIsItsFrame_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QList<int>>("group");
    QTest::newRow("traditional class") << 3 << QList<int> { 1, 2, 3, 4 };
    QTest::newRow("traditional grade") << 5 << QList<int> { 5, 6, 7, 8, 9 };
    QTest::newRow("standard class") << 13 << QList<int> { 10, 11, 12, 13 };
    QTest::newRow("core") << 20 << QList<int> { 19, 20 };
    QTest::newRow("work type") << 21 << QList<int> { 21, 22 };
    QTest::newRow("no such option") << 99 << QList<int> {};
}

void TestPresentation::optionGroupIsItsFrame()
{
    QFETCH(int, option);
    QFETCH(QList<int>, group);
    const std::vector<int> found = app::optionGroup(option);
    QCOMPARE(QList<int>(found.begin(), found.end()), group);
}

QTEST_GUILESS_MAIN(TestPresentation)
#include "tst_presentation.moc"
