// The window as it opens: its controls, their kinds, captions, places and lists, the tab
// order, and the start state from which every calculation begins.

#include "app/qt/qt_text.h"
#include "app/qt/window.h"
#include "app/qt/window_icon.h"
#include "common/purpose_table.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

class TestForm1 : public QObject {
    Q_OBJECT

private:
    qtview::Window m_form;

    template <typename T> T *find(const QString &name) const { return m_form.findChild<T *>(name); }

    static QStringList itemsOf(const QComboBox *list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }

private slots:
    void window()
    {
        QCOMPARE(m_form.objectName(), QStringLiteral("Form1"));
        QCOMPARE(m_form.windowTitle(), QStringLiteral("钢丝绳安全系数计算器"));
        // 7826 x 6314 twips at 15 twips a pixel, and the user cannot resize it.
        QCOMPARE(m_form.minimumSize(), QSize(522, 421));
        QCOMPARE(m_form.maximumSize(), QSize(522, 421));
        const Qt::WindowFlags flags = m_form.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(m_form.font().families().startsWith(QStringLiteral("SimSun")));
        QCOMPARE(m_form.font().pointSize(), 9);
    }

    void windowIcon_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : { 16, 32, 48 })
            QTest::addRow("%dpx", size) << size;
    }

    // The title bar's icon, size by size: the very picture the install puts in the icon theme.
    void windowIcon()
    {
        QFETCH(int, size);
        const QIcon icon = qtview::windowIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QImage installed(QStringLiteral(ROPECALC_ICON_DIR "/ropecalc-%1.png").arg(size));
        QCOMPARE(installed.size(), QSize(size, size));
        const QImage shown = icon.pixmap(QSize(size, size), 1.0).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
            installed.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void everyControlExistsOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("count");
        QTest::newRow("frames") << "Frame" << 13;
        QTest::newRow("labels") << "Label" << 35;
        QTest::newRow("option buttons") << "Option" << 22;
        QTest::newRow("combo boxes") << "Combo" << 10;
        QTest::newRow("text boxes") << "Text" << 13;
        QTest::newRow("command buttons") << "Command" << 2;
    }

    void everyControlExistsOnce()
    {
        QFETCH(QString, kind);
        QFETCH(int, count);
        static const QHash<QString, const QMetaObject *> types {
            { "Frame", &QGroupBox::staticMetaObject },
            { "Label", &QLabel::staticMetaObject },
            { "Option", &QRadioButton::staticMetaObject },
            { "Combo", &QComboBox::staticMetaObject },
            { "Text", &QLineEdit::staticMetaObject },
            { "Command", &QPushButton::staticMetaObject },
        };
        const auto named = m_form.findChildren<QWidget *>(QRegularExpression("^" + kind + "\\d+$"));
        QCOMPARE(named.size(), count);
        for (int n = 1; n <= count; ++n) {
            const auto all = m_form.findChildren<QWidget *>(kind + QString::number(n));
            QCOMPARE(all.size(), 1);
            QVERIFY2(
                all.first()->inherits(types.value(kind)->className()), qPrintable(kind + QString::number(n)));
        }
    }

    void containers_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QStringList>("children");
        QTest::newRow("Form1") << "Form1" << QStringList { "Frame1", "Frame7" };
        QTest::newRow("Frame1") << "Frame1"
                                << QStringList { "Frame2", "Frame3", "Frame4", "Frame5", "Frame6",
                                       "Command1" };
        QTest::newRow("Frame7") << "Frame7"
                                << QStringList { "Frame8", "Frame9", "Frame10", "Frame11", "Frame12",
                                       "Frame13", "Command2" };
        QTest::newRow("Frame2") << "Frame2"
                                << QStringList { "Label1", "Option1", "Label2", "Option2", "Label3",
                                       "Option3", "Label4", "Option4" };
        QTest::newRow("Frame4") << "Frame4" << QStringList { "Combo1", "Combo2", "Combo3", "Combo4" };
        QTest::newRow("Frame6") << "Frame6"
                                << QStringList { "Label14", "Text5", "Label15", "Combo5", "Label16",
                                       "Text6" };
        QTest::newRow("Frame9") << "Frame9"
                                << QStringList { "Label21", "Option14", "Label22", "Option15", "Label23",
                                       "Option16", "Label24", "Option17", "Label33", "Option18" };
        QTest::newRow("Frame12") << "Frame12"
                                 << QStringList { "Label28", "Option19", "Label29", "Option20", "Text10",
                                        "Text11" };
        QTest::newRow("Frame13") << "Frame13"
                                 << QStringList { "Label34", "Option21", "Label35", "Option22", "Label30",
                                        "Text12", "Label31", "Combo10", "Label32", "Text13" };
    }

    void containers()
    {
        QFETCH(QString, container);
        QFETCH(QStringList, children);
        QWidget *parent = container == "Form1" ? &m_form : find<QWidget>(container);
        QVERIFY(parent);
        QStringList actual;
        for (QObject *child : parent->children())
            if (child->isWidgetType())
                actual << child->objectName();
        actual.sort();
        children.sort();
        QCOMPARE(actual, children);
    }

    // A few rectangles and captions from every kind of row, converted at 15 twips a pixel; a
    // label grows about its middle to one line of the dialog font (17 pixels).
    void placesAndCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Frame1") << "Frame1" << QRect(8, 8, 505, 194) << "传统安全系数计算方法";
        QTest::newRow("Frame7") << "Frame7" << QRect(8, 218, 505, 194) << "安全系数计算方法";
        QTest::newRow("Frame11") << "Frame11" << QRect(109, 119, 154, 60) << "近似重量:kg/100m";
        QTest::newRow("Frame12") << "Frame12" << QRect(269, 119, 119, 60) << "最小破断拉力:KN";
        QTest::newRow("Frame6 has no caption") << "Frame6" << QRect(395, 17, 93, 162) << "";
        QTest::newRow("Command1") << "Command1" << QRect(336, 21, 51, 43) << "计  算";
        QTest::newRow("Command2") << "Command2" << QRect(336, 21, 51, 43) << "计  算";
        QTest::newRow("Label1") << "Label1" << QRect(7, 14, 48, 17) << "6×19＋1";
        QTest::newRow("Label4") << "Label4" << QRect(241, 14, 48, 17) << "18×7＋1";
        QTest::newRow("Label13 keeps its blank") << "Label13" << QRect(210, 16, 60, 17) << " 破断拉力";
        QTest::newRow("Label27") << "Label27" << QRect(104, 17, 43, 17) << "钢 芯";
        QTest::newRow("Label33") << "Label33" << QRect(7, 90, 60, 17) << "1870kN/mm2";
        QTest::newRow("Option2") << "Option2" << QRect(133, 15, 18, 18) << "";
        QTest::newRow("Option11") << "Option11" << QRect(134, 15, 18, 18) << "";
        QTest::newRow("Option21") << "Option21" << QRect(19, 25, 23, 16) << "";
        QTest::newRow("Combo5") << "Combo5" << QRect(8, 84, 77, 19) << "";
        QTest::newRow("Text9") << "Text9" << QRect(101, 35, 43, 18) << "";
        QTest::newRow("Text13") << "Text13" << QRect(8, 138, 77, 18) << "";
    }

    void placesAndCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QFETCH(QString, caption);
        const QWidget *control = find<QWidget>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), pixels);
        if (const auto *frame = qobject_cast<const QGroupBox *>(control))
            QCOMPARE(frame->title(), caption);
        else if (const auto *label = qobject_cast<const QLabel *>(control))
            QCOMPARE(label->text(), caption);
        else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            QCOMPARE(button->text(), caption);
    }

    void centredLabels()
    {
        const QStringList centred { "Label14", "Label15", "Label16", "Label25", "Label26", "Label27",
            "Label30", "Label31", "Label32" };
        for (const QLabel *label : m_form.findChildren<QLabel *>()) {
            const Qt::Alignment horizontal = label->alignment() & Qt::AlignHorizontal_Mask;
            QCOMPARE(horizontal, centred.contains(label->objectName()) ? Qt::AlignHCenter : Qt::AlignLeft);
        }
    }

    void lists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("item");
        QTest::newRow("Combo1") << "Combo1" << 21 << 9 << "φ20.0";
        QTest::newRow("Combo2") << "Combo2" << 21 << 20 << "φ65.0";
        QTest::newRow("Combo3") << "Combo3" << 21 << 14 << "φ50.0";
        QTest::newRow("Combo4 is empty") << "Combo4" << 0 << -1 << "";
        QTest::newRow("Combo6") << "Combo6" << 29 << 19 << "φ(30)";
        QTest::newRow("Combo7") << "Combo7" << 35 << 34 << "φ66";
        QTest::newRow("Combo8") << "Combo8" << 26 << 25 << "φ90";
        QTest::newRow("Combo9") << "Combo9" << 27 << 16 << "φ(30)";
    }

    // Diameter lists: the count of rows, a known item, and every item a φ and a diameter that
    // rises from row to row, which a swapped or mistyped item would break.
    void lists()
    {
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(int, row);
        QFETCH(QString, item);
        const QComboBox *list = find<QComboBox>(name);
        QCOMPARE(list->count(), count);
        if (row >= 0)
            QCOMPARE(list->itemText(row), item);
        double previous = 0;
        for (const QString &text : itemsOf(list)) {
            QVERIFY2(text.startsWith(QChar(0x03C6)), qPrintable(text));
            static const QRegularExpression diameter("^φ(\\d+(\\.\\d)?)$|^φ\\((\\d+)\\)$");
            const auto match = diameter.match(text);
            QVERIFY2(match.hasMatch(), qPrintable(text));
            const double value
                = (match.captured(1).isEmpty() ? match.captured(3) : match.captured(1)).toDouble();
            QVERIFY2(value > previous, qPrintable(text));
            previous = value;
        }
    }

    void purposeLists()
    {
        QStringList purposes;
        for (const common::Purpose &purpose : common::kPurposes)
            purposes << qtview::qtText(purpose.text);
        QCOMPARE(itemsOf(find<QComboBox>("Combo5")), purposes);
        QCOMPARE(itemsOf(find<QComboBox>("Combo10")), purposes.mid(0, 7));
        QCOMPARE(find<QComboBox>("Combo5")->itemText(0), QStringLiteral("绑扎绳10"));
        QCOMPARE(find<QComboBox>("Combo10")->itemText(6), QStringLiteral("缆绳3.5"));
    }

    void listsAreEditableAndFixed()
    {
        for (const QComboBox *list : m_form.findChildren<QComboBox *>()) {
            QVERIFY(list->isEditable());
            QCOMPARE(list->insertPolicy(), QComboBox::NoInsert);
            QVERIFY(!list->completer());
        }
    }

    void startState()
    {
        for (const QWidget *control :
            m_form.findChildren<QWidget *>(QRegularExpression("^[A-Z][a-z]+\\d+$"))) {
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
            QVERIFY2(control->isVisibleTo(&m_form), qPrintable(control->objectName()));
        }
        for (const QRadioButton *option : m_form.findChildren<QRadioButton *>())
            QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
        for (const QLineEdit *box : m_form.findChildren<QLineEdit *>(QRegularExpression("^Text\\d+$")))
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        for (const QComboBox *list : m_form.findChildren<QComboBox *>()) {
            QCOMPARE(list->currentIndex(), -1);
            QVERIFY2(list->currentText().isEmpty(), qPrintable(list->objectName()));
        }
    }

    void readOnlyReadOuts()
    {
        const QStringList readOuts { "Text1", "Text2", "Text3", "Text4", "Text7", "Text8", "Text9", "Text10",
            "Text11" };
        for (int n = 1; n <= 13; ++n) {
            const QString name = "Text" + QString::number(n);
            QCOMPARE(find<QLineEdit>(name)->isReadOnly(), readOuts.contains(name));
        }
    }

    // Option buttons form one group per frame: selecting one clears the others of its frame
    // and only of its frame.
    void optionGroups_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<bool>("firstCleared");
        QTest::newRow("class with class") << 1 << 4 << true;
        QTest::newRow("grade with grade") << 5 << 9 << true;
        QTest::newRow("standard grade with grade") << 14 << 18 << true;
        QTest::newRow("core with core") << 19 << 20 << true;
        QTest::newRow("work type with work type") << 21 << 22 << true;
        QTest::newRow("class with grade") << 2 << 6 << false;
        // One class across both frames is the class handlers' doing, not the widgets'.
        QTest::newRow("the two class rows") << 3 << 12 << false;
        QTest::newRow("core with work type") << 19 << 21 << false;
        QTest::newRow("traditional with standard grade") << 7 << 16 << false;
    }

    void optionGroups()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(bool, firstCleared);
        qtview::Window form;
        auto *a = form.findChild<QRadioButton *>("Option" + QString::number(first));
        auto *b = form.findChild<QRadioButton *>("Option" + QString::number(second));
        a->setChecked(true);
        b->setChecked(true);
        QCOMPARE(a->isChecked(), !firstCleared);
        QVERIFY(b->isChecked());
    }

    // Every option button and read-out is named by its label, for screen readers.
    void accessibleNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<QString>("label");
        QTest::newRow("Option1") << "Option1"
                                 << "6×19＋1"
                                 << "Label1";
        QTest::newRow("Option4") << "Option4"
                                 << "18×7＋1"
                                 << "Label4";
        QTest::newRow("Option5") << "Option5"
                                 << "140kg/mm2"
                                 << "Label5";
        QTest::newRow("Option9") << "Option9"
                                 << "200kg/mm2"
                                 << "Label9";
        QTest::newRow("Option10") << "Option10"
                                  << "6×19＋1"
                                  << "Label17";
        QTest::newRow("Option13") << "Option13"
                                  << "18×7＋1"
                                  << "Label20";
        QTest::newRow("Option14") << "Option14"
                                  << "1470kN/mm2"
                                  << "Label21";
        QTest::newRow("Option18") << "Option18"
                                  << "1870kN/mm2"
                                  << "Label33";
        QTest::newRow("Option19") << "Option19"
                                  << "纤维芯"
                                  << "Label28";
        QTest::newRow("Option20") << "Option20"
                                  << "钢 芯"
                                  << "Label29";
        QTest::newRow("Option21") << "Option21"
                                  << "安装"
                                  << "Label34";
        QTest::newRow("Option22") << "Option22"
                                  << "矿建"
                                  << "Label35";
        QTest::newRow("Text4") << "Text4"
                               << "破断拉力"
                               << "Label13";
        QTest::newRow("Text5") << "Text5"
                               << "钢丝绳受力"
                               << "Label14";
        QTest::newRow("Combo10") << "Combo10"
                                 << "钢丝绳用途"
                                 << "Label31";
        QTest::newRow("Text13") << "Text13"
                                << "安全系数"
                                << "Label32";
    }

    void accessibleNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, accessibleName);
        QFETCH(QString, label);
        const QWidget *control = find<QWidget>(name);
        QCOMPARE(control->accessibleName(), accessibleName);
        QCOMPARE(find<QLabel>(label)->buddy(), control);
    }

    void everyOptionButtonHasAName()
    {
        for (const QRadioButton *option : m_form.findChildren<QRadioButton *>())
            QVERIFY2(!option->accessibleName().isEmpty(), qPrintable(option->objectName()));
    }

    // Tab walks the inputs in the order of the design's tab indexes; frames and labels never
    // take the focus.
    void tabOrder()
    {
        const QStringList expected { "Option1", "Option2", "Option3", "Option4", "Option5", "Option6",
            "Option7", "Option8", "Option9", "Combo1", "Combo2", "Combo3", "Combo4", "Text1", "Text2",
            "Command1", "Text5", "Text6", "Combo5", "Text3", "Text4", "Option10", "Option11", "Option12",
            "Option13", "Combo6", "Combo7", "Combo8", "Combo9", "Text8", "Text9", "Text10", "Text11",
            "Command2", "Option14", "Option15", "Option16", "Option17", "Text7", "Option19", "Text12",
            "Option18", "Option20", "Option21", "Option22", "Text13", "Combo10" };
        static const QRegularExpression input("^(Option|Combo|Text|Command)\\d+$");
        QStringList actual;
        QWidget *start = find<QWidget>(expected.first());
        QWidget *widget = start;
        do {
            if (input.match(widget->objectName()).hasMatch() && !actual.contains(widget->objectName()))
                actual << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != start);
        QCOMPARE(actual, expected);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
