// The rope-class buttons of both frames, clicked with the mouse on the offscreen platform. A
// class pick also picks the method: one diameter list and one "计  算" stay enabled, the other
// frame's class is cleared, every read-out of both methods and both results are emptied, and a
// standard class presets fibre core and installation and switches steel core and grade 1470.

#include "result_boxes.h"
#include "widget_actions.h"
#include "window_fixture.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QtTest>
#include <array>

namespace {

constexpr std::array kClassOptions { 1, 2, 3, 4, 10, 11, 12, 13 };
constexpr std::array kDiameterLists { 1, 2, 3, 4, 6, 7, 8, 9 };
constexpr std::array kReadouts { 1, 2, 3, 4, 7, 8, 9, 10, 11 };

} // namespace

class TestClassSelection : public WindowFixture {
    Q_OBJECT

private:
    QLabel *label21() const { return controls().find<QLabel>("Label21"); }

    QColor colour(int n) const { return background(text(n)); }

    // Selects a button without running its handler, for states no single flow of clicks
    // reaches, such as a class chosen in both frames.
    void selectQuietly(int n) const
    {
        const QSignalBlocker quiet(option(n));
        option(n)->setChecked(true);
    }

    // A window in which every effect of clicking `target` shows: the next class of its frame
    // and the same class of the other frame chosen, every diameter list and read-out filled,
    // both results red, steel core and "矿建", a grade in each frame, and every enabled flag the
    // opposite of what the pick should leave; steel core and grade 1470 the opposite of what a
    // standard pick of this class leaves, so that a traditional pick touching them shows.
    void dirty(int target, int list, bool eighteenStrand) const
    {
        const bool toStandard = target >= 10;
        const int rank = toStandard ? target - 9 : target; // 1 to 4 in both frames
        selectQuietly(rank % 4 + 1 + (toStandard ? 9 : 0));
        selectQuietly(rank + (toStandard ? 0 : 9));
        command(1)->setEnabled(toStandard);
        command(2)->setEnabled(!toStandard);
        for (int n : kDiameterLists) {
            combo(n)->setEnabled(n != list);
            if (combo(n)->count() > 0)
                combo(n)->setCurrentIndex(1);
            else
                combo(n)->setEditText(QStringLiteral("φ9"));
        }
        for (int n : kReadouts)
            text(n)->setText(QStringLiteral("8.5"));
        text(5)->setText(QStringLiteral("2000"));
        text(12)->setText(QStringLiteral("300"));
        combo(5)->setCurrentIndex(2);
        combo(10)->setCurrentIndex(3);
        for (int n : { 6, 14, 20, 22 })
            selectQuietly(n);
        option(20)->setEnabled(eighteenStrand);
        option(14)->setEnabled(!eighteenStrand);
        label21()->setEnabled(!eighteenStrand);
        showRedWarning(text(6));
        showRedWarning(text(13));
        m_form->log.clear();
    }

private slots:
    void init() { QVERIFY(openWindow()); }

    void effects_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("list");
        QTest::newRow("traditional 6x19") << 1 << 1;
        QTest::newRow("traditional 6x37") << 2 << 2;
        QTest::newRow("traditional 6x61") << 3 << 3;
        QTest::newRow("traditional 18x7") << 4 << 4;
        QTest::newRow("standard 6x19") << 10 << 6;
        QTest::newRow("standard 6x37") << 11 << 7;
        QTest::newRow("standard 6x61") << 12 << 8;
        QTest::newRow("standard 18x7") << 13 << 9;
    }

    // Every effect of a class pick, and the handlers it runs, all nested in its own.
    void effects()
    {
        QFETCH(int, target);
        QFETCH(int, list);
        const bool toStandard = target >= 10;
        const bool eighteenStrand = target == 4 || target == 13;
        dirty(target, list, eighteenStrand);
        QHash<int, QString> listTexts;
        QHash<int, int> listRows;
        for (int n : kDiameterLists) {
            listTexts[n] = combo(n)->currentText();
            listRows[n] = combo(n)->currentIndex();
        }
        QStringList atReturn;
        const QString handler = QStringLiteral("Option%1_Click").arg(target);
        m_form->alsoDo[handler] = [&] { atReturn = m_form->log; };

        click(target);

        const QStringList expectedLog = toStandard
            ? QStringList { handler, "Option19_Click", "Text11_Change", "Option21_Click", "Text4_Change",
                  "Text10_Change" }
            : QStringList { handler, "Text4_Change", "Text10_Change", "Text11_Change" };
        QCOMPARE(m_form->log, expectedLog);
        QCOMPARE(atReturn, expectedLog);

        QCOMPARE(command(1)->isEnabled(), !toStandard);
        QCOMPARE(command(2)->isEnabled(), toStandard);
        for (int n : kClassOptions)
            QVERIFY2(option(n)->isChecked() == (n == target), qPrintable(QString::number(n)));
        for (int n : kDiameterLists) {
            const QString name = QStringLiteral("Combo%1").arg(n);
            QVERIFY2(combo(n)->isEnabled() == (n == list), qPrintable(name));
            const bool ownFrame = (n < 5) != toStandard;
            QCOMPARE(combo(n)->currentText(), ownFrame ? QString() : listTexts.value(n));
            QCOMPARE(combo(n)->currentIndex(), ownFrame ? -1 : listRows.value(n));
        }
        for (int n : kReadouts)
            QVERIFY2(text(n)->text().isEmpty(), qPrintable(QStringLiteral("Text%1").arg(n)));
        for (int n : { 6, 13 }) {
            QCOMPARE(text(n)->text(), QString());
            QCOMPARE(colour(n), kWhite);
        }

        // A standard class presets fibre core and installation; a traditional one leaves the
        // standard frame's choices and switches as they were.
        QCOMPARE(option(19)->isChecked(), toStandard);
        QCOMPARE(option(20)->isChecked(), !toStandard);
        QCOMPARE(option(21)->isChecked(), toStandard);
        QCOMPARE(option(22)->isChecked(), !toStandard);
        QCOMPARE(option(20)->isEnabled(), toStandard ? !eighteenStrand : eighteenStrand);
        QCOMPARE(option(14)->isEnabled(), toStandard ? eighteenStrand : !eighteenStrand);
        QCOMPARE(label21()->isEnabled(), toStandard ? eighteenStrand : !eighteenStrand);

        // What the user entered and chose stays.
        QCOMPARE(text(5)->text(), QStringLiteral("2000"));
        QCOMPARE(text(12)->text(), QStringLiteral("300"));
        QCOMPARE(combo(5)->currentText(), QStringLiteral("井架提升6"));
        QCOMPARE(combo(10)->currentText(), QStringLiteral("矿井提人9"));
        QVERIFY(option(6)->isChecked());
        QVERIFY(option(14)->isChecked());
    }

    // With fibre core selected already, no core handler runs; the class pick itself empties
    // the standard lists.
    void standardClassEmptiesListsItself()
    {
        click(10);
        click(15);
        QVERIFY(actions::pickWithKeyboard(combo(6), 3));
        QCOMPARE(text(10)->text(), QStringLiteral("17.3"));
        m_form->log.clear();
        click(11);
        QVERIFY(!m_form->log.contains("Option19_Click"));
        QCOMPARE(combo(6)->currentText(), QString());
        QCOMPARE(combo(6)->currentIndex(), -1);
        QCOMPARE(text(10)->text(), QString());
    }

    // Only 18×7＋1 is made in grade 1470; another class greys it out but keeps it selected.
    void grade1470KeptWhileDisabled()
    {
        click(13);
        click(14);
        QVERIFY(option(14)->isChecked());
        click(10);
        QVERIFY(option(14)->isChecked());
        QVERIFY(!option(14)->isEnabled());
        QVERIFY(!label21()->isEnabled());
        click(13);
        QVERIFY(option(14)->isEnabled());
        QVERIFY(label21()->isEnabled());
        QVERIFY(option(14)->isChecked());
    }

    // The traditional tables hold no 18×7＋1: its list is enabled but empty, and the check
    // asks for a rope whatever else is entered.
    void traditionalEighteenStrand()
    {
        click(4);
        click(5);
        QVERIFY(combo(4)->isEnabled());
        QCOMPARE(combo(4)->count(), 0);
        QCOMPARE(combo(4)->currentText(), QString());
        actions::type(text(5), QStringLiteral("2000"));
        actions::type(combo(5)->lineEdit(), QStringLiteral("井架提升6"));
        QCOMPARE(actions::pressShowingMessages(command(1)), QStringList { kRopeMessage });
    }

    // Leaving the traditional method greys its diameter list out but leaves the diameter shown;
    // the read-outs that came from it are gone.
    void traditionalDiameterStaysVisible()
    {
        click(1);
        click(5);
        QVERIFY(actions::pickWithKeyboard(combo(1), 0));
        QCOMPARE(text(4)->text(), QStringLiteral("1700"));
        click(10);
        QVERIFY(!combo(1)->isEnabled());
        QCOMPARE(combo(1)->currentText(), QStringLiteral("φ6.2"));
        QCOMPARE(combo(1)->currentIndex(), 0);
        for (int n : { 1, 2, 3, 4 })
            QCOMPARE(text(n)->text(), QString());
        QVERIFY(!option(1)->isChecked());
        QVERIFY(option(5)->isChecked());
    }
};

QTEST_MAIN(TestClassSelection)
#include "tst_class_selection.moc"
