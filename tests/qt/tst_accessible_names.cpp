// What a screen reader says for each control that takes the focus: the caption-less option
// buttons by the label beside or above them, the read-outs, inputs and results by the label
// above them, the diameter lists by their frame and class, the buttons by their caption.
// Read through Qt's accessibility interface, as an assistive tool reads them.

#include "app/qt/window.h"
#include "tests/support/window_controls.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QTest>

class TestAccessibleNames : public QObject {
    Q_OBJECT

private:
    qtview::Window m_form;

    static QString nameOf(QWidget *widget)
    {
        QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
        return interface ? interface->text(QAccessible::Name) : QStringLiteral("(no interface)");
    }

private slots:
    void everyControl_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label"); // the label that names it, if one does
        auto add = [](const char *control, const char *name, const char *label) {
            QTest::newRow(control) << control << QString::fromUtf8(name) << label;
        };
        add("Option1", "6×19＋1", "Label1");
        add("Option2", "6×37＋1", "Label2");
        add("Option3", "6×61＋1", "Label3");
        add("Option4", "18×7＋1", "Label4");
        add("Option5", "140kg/mm2", "Label5");
        add("Option6", "155kg/mm2", "Label6");
        add("Option7", "170kg/mm2", "Label7");
        add("Option8", "185kg/mm2", "Label8");
        add("Option9", "200kg/mm2", "Label9");
        add("Combo1", "钢丝绳直径 6×19＋1", "");
        add("Combo2", "钢丝绳直径 6×37＋1", "");
        add("Combo3", "钢丝绳直径 6×61＋1", "");
        add("Combo4", "钢丝绳直径 18×7＋1", "");
        add("Text1", "总断面面积", "Label10");
        add("Text2", "每百米重量", "Label11");
        add("Text3", "总破断拉力", "Label12");
        add("Text4", "破断拉力", "Label13"); // the caption's leading blank is layout, not name
        add("Command1", "计  算", "");
        add("Text5", "钢丝绳受力", "Label14");
        add("Combo5", "钢丝绳用途", "Label15");
        add("Text6", "安全系数", "Label16");
        add("Option10", "6×19＋1", "Label17");
        add("Option11", "6×37＋1", "Label18");
        add("Option12", "6×61＋1", "Label19");
        add("Option13", "18×7＋1", "Label20");
        add("Option14", "1470kN/mm2", "Label21");
        add("Option15", "1570kN/mm2", "Label22");
        add("Option16", "1670kN/mm2", "Label23");
        add("Option17", "1770kN/mm2", "Label24");
        add("Option18", "1870kN/mm2", "Label33");
        add("Combo6", "钢丝绳直径 6×19＋1", "");
        add("Combo7", "钢丝绳直径 6×37＋1", "");
        add("Combo8", "钢丝绳直径 6×61＋1", "");
        add("Combo9", "钢丝绳直径 18×7＋1", "");
        add("Text7", "天然芯", "Label25");
        add("Text8", "合成芯", "Label26");
        add("Text9", "钢 芯", "Label27");
        add("Option19", "纤维芯", "Label28");
        add("Option20", "钢 芯", "Label29");
        add("Text10", "纤维芯", "Label28");
        add("Text11", "钢 芯", "Label29");
        add("Command2", "计  算", "");
        add("Option21", "安装", "Label34");
        add("Option22", "矿建", "Label35");
        add("Text12", "钢丝绳受力", "Label30");
        add("Combo10", "钢丝绳用途", "Label31");
        add("Text13", "安全系数", "Label32");
    }

    // Each control's accessible name; where a label names it, the label's text, and the label
    // stands where a sighted user looks for it: left of the control on its row, or above it.
    void everyControl()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, label);
        const WindowControls controls(&m_form);
        auto *widget = controls.find<QWidget>(control);
        QCOMPARE(nameOf(widget), name);
        if (label.isEmpty())
            return;
        const auto *named = controls.find<QLabel>(label);
        QCOMPARE(named->text().trimmed(), name);
        const QRect at(widget->mapTo(&m_form, QPoint()), widget->size());
        const QRect labelAt(named->mapTo(&m_form, QPoint()), named->size());
        const bool leftOnRow = labelAt.left() < at.left() && labelAt.center().y() > at.top()
            && labelAt.center().y() < at.bottom();
        const bool above = labelAt.bottom() < at.center().y() && labelAt.right() > at.left()
            && labelAt.left() < at.right();
        QVERIFY2(leftOnRow || above,
            qPrintable(QString("%1 at %2,%3; %4 at %5,%6")
                           .arg(label)
                           .arg(labelAt.x())
                           .arg(labelAt.y())
                           .arg(control)
                           .arg(at.x())
                           .arg(at.y())));
    }

    // No control that takes the focus is left for a screen reader to announce without a name.
    void noFocusableControlIsNameless()
    {
        int checked = 0;
        for (QWidget *widget : m_form.findChildren<QWidget *>()) {
            if (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty())
                continue;
            QVERIFY2(!nameOf(widget).trimmed().isEmpty(), qPrintable(widget->objectName()));
            ++checked;
        }
        QCOMPARE(checked, 47);
    }
};

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessible_names.moc"
