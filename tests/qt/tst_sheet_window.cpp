// The calculation sheet by real input: the calculator's menu item and Ctrl+P, enabled only with
// a result; the preview's page; saving as RTF, HTML and PDF through the save dialog, and a save
// that fails; printing; and the selection window's button for the current row.

#include "app/qt/qt_text.h"
#include "app/qt/sheet_window.h"
#include "app/selection/selection.h"
#include "app/sheet/sheet_window.h"
#include "tests/qt/widget_actions.h"
#include "tests/qt/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

namespace {

using app::sheet::FileFormat;

constexpr int kHeadframeHoist = 2; // "井架提升6" in the purpose list

// The sheet's words one a line, a row's key and value each on its own, as the page reads.
QStringList linesOf(const app::sheet::Document &sheet)
{
    QStringList lines;
    for (const app::sheet::Block &block : sheet.blocks) {
        lines << qtview::qtText(block.text);
        if (block.kind == app::sheet::BlockKind::Row)
            lines << qtview::qtText(block.value);
    }
    return lines;
}

// Runs `during`, typing the name into the save dialog when it opens and taking it with Enter,
// after picking the filter in row `filter`; clicks OK on every message box and returns its text.
// The name field's completer may list the folder's files meanwhile: Esc closes that list first.
QStringList savingAs(const QString &name, int filter, const std::function<void()> &during)
{
    QStringList messages;
    bool named = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        // Where a slow build has not made the dialog active yet, it is still the one shown.
        QWidget *modal = QApplication::activeModalWidget();
        for (QWidget *shown : QApplication::topLevelWidgets())
            if (modal == nullptr && shown->isVisible()
                && (qobject_cast<QFileDialog *>(shown) != nullptr
                    || qobject_cast<QMessageBox *>(shown) != nullptr))
                modal = shown;
        if (auto *dialog = qobject_cast<QFileDialog *>(modal); dialog && dialog->isVisible()) {
            auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!named) {
                named = true;
                if (filter > 0)
                    actions::pickWithKeyboard(
                        dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")), filter);
                actions::retype(field, name);
            } else if (const QCompleter *completer = field->completer();
                       completer && completer->popup()->isVisible()) {
                QTest::keyClick(completer->popup(), Qt::Key_Escape);
            } else {
                QTest::keyClick(field, Qt::Key_Return);
            }
        } else if (auto *box = qobject_cast<QMessageBox *>(modal); box && box->isVisible()) {
            messages << box->text();
            QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
        }
    });
    watch.start(50);
    during();
    return messages;
}

} // namespace

class TestSheetWindow : public WindowFixture {
    Q_OBJECT

private:
    QWidget *sheetWindow() const { return m_form->findChild<QWidget *>(QStringLiteral("Sheet")); }
    bool sheetShown() const { return sheetWindow() != nullptr && sheetWindow()->isVisible(); }
    QTextBrowser *page() const
    {
        return sheetWindow()->findChild<QTextBrowser *>(QStringLiteral("sheetPage"));
    }
    QPushButton *sheetButton(const char *name) const
    {
        return WindowControls(sheetWindow()).find<QPushButton>(QString::fromLatin1(name));
    }
    // The page's lines; the blank after the last one is the HTML's line break, kept by pre-wrap.
    QStringList pageLines() const
    {
        QStringList lines = page()->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (!lines.isEmpty() && lines.back().endsWith(QLatin1Char(' ')))
            lines.back().chop(1);
        return lines;
    }
    std::optional<app::sheet::Document> lastSheet() const
    {
        return app::sheet::lastCalculationSheet(m_form->form(), qtview::today());
    }

    // A right click on a label of the calculator; the menu's sheet item, or null without a menu.
    QAction *openMenu() const
    {
        const QWidget *label = m_form->findChild<QWidget *>(QStringLiteral("Label1"));
        QTest::mouseClick(
            m_form->windowHandle(), Qt::RightButton, {}, label->mapTo(m_form.get(), QPoint(3, 3)));
        auto *menu = m_form->findChild<QMenu *>(QStringLiteral("contextMenu"));
        return menu != nullptr && menu->isVisible()
            ? m_form->findChild<QAction *>(QStringLiteral("sheetAction"))
            : nullptr;
    }
    void choose(QAction *item) const
    {
        auto *menu = m_form->findChild<QMenu *>(QStringLiteral("contextMenu"));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }

    // 6×19＋1, 155kg/mm2, φ20.0, 2000 on a headframe hoist: 19890 ÷ 2000 = 9.945.
    void calculate()
    {
        click(1);
        click(6);
        QVERIFY(actions::pickWithMouse(combo(1), 9));
        actions::type(text(5), QStringLiteral("2000"));
        QVERIFY(actions::pickWithMouse(combo(5), kHeadframeHoist));
        QTest::mouseClick(command(1), Qt::LeftButton);
        QCOMPARE(text(6)->text(), QStringLiteral("9.945"));
    }

    // 6×19＋1 fibre core, 1570kN/mm2, φ6, 500 on a headframe hoist: 17.3 × 1000 ÷ 9.8 ÷ 500 =
    // 3.53, not greater than 6.
    void calculateTooWeak()
    {
        click(10);
        click(19);
        click(15);
        QVERIFY(actions::pickWithMouse(combo(6), 3));
        actions::type(text(12), QStringLiteral("500"));
        QVERIFY(actions::pickWithMouse(combo(10), kHeadframeHoist));
        QTest::mouseClick(command(2), Qt::LeftButton);
        QCOMPARE(text(13)->text(), QStringLiteral("重选钢丝绳"));
    }

    // The selection window for load 2000, length 600, "井架提升6", the φ20.0 155 row clicked
    // (2857.4 kgf, 6.96); the model's row for the same job.
    app::listing::Listed selectRow(app::Selection &expected)
    {
        QAction *item = openMenu();
        if (item == nullptr)
            return {};
        choose(m_form->findChild<QAction *>(QStringLiteral("selectRopesAction")));
        auto *selection = m_form->findChild<QWidget *>(QStringLiteral("Selection"));
        if (selection == nullptr || !QTest::qWaitForWindowExposed(selection))
            return {};
        const WindowControls in(selection);
        actions::type(in.find<QLineEdit>(QStringLiteral("loadBox")), QStringLiteral("2000"));
        actions::type(in.find<QLineEdit>(QStringLiteral("lengthBox")), QStringLiteral("600"));
        actions::pickWithMouse(in.find<QComboBox>(QStringLiteral("purposeBox")), kHeadframeHoist);
        expected.typeLoad("2000");
        expected.typeLength("600");
        expected.pickPurpose(kHeadframeHoist);
        const auto &rows = expected.rows();
        const auto found = std::ranges::find_if(rows, [](const app::listing::Listed &row) {
            return row.rope
                == app::listing::Rope { app::listing::Method::Traditional, 0, 1, std::nullopt, 9 };
        });
        if (found == rows.end())
            return {};
        auto *list = in.find<QTableView>(QStringLiteral("ropeList"));
        const QModelIndex index = list->model()->index(int(found - rows.begin()), 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
        return *found;
    }

    // The README's job `job` ('a' traditional 9.945, 'b' standard φ6 3.53 red, 'c' the selected
    // row 6.96) calculated and its sheet opened: by Ctrl+P, or by the selection window's button.
    std::optional<app::sheet::Document> openJob(char job)
    {
        if (job == 'c') {
            app::Selection expected;
            const app::listing::Listed row = selectRow(expected);
            auto *selection = m_form->findChild<QWidget *>(QStringLiteral("Selection"));
            QTest::mouseClick(
                WindowControls(selection).find<QPushButton>(QStringLiteral("sheetButton")), Qt::LeftButton);
            return app::sheet::selectionSheet(expected.job(), row, qtview::today());
        }
        if (job == 'a')
            calculate();
        else
            calculateTooWeak();
        QTest::keyClick(text(5), Qt::Key_P, Qt::ControlModifier);
        return lastSheet();
    }

    // The result, then the sheet by Ctrl+P.
    void openSheet()
    {
        calculate();
        QTest::keyClick(text(5), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(sheetShown());
    }

private slots:
    void init()
    {
        QVERIFY(openWindow());
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

    // Before a result the item is disabled and does nothing; after one it opens the preview with
    // the sheet of that result, and Esc hides it.
    void menuItem()
    {
        QAction *item = openMenu();
        QVERIFY(item);
        QVERIFY(!item->isEnabled());
        choose(item);
        QVERIFY(!sheetShown());
        auto *menu = m_form->findChild<QMenu *>(QStringLiteral("contextMenu"));
        QVERIFY(menu->isVisible()); // a disabled item keeps the menu open
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
        calculate();
        item = openMenu();
        QVERIFY(item);
        QVERIFY(item->isEnabled());
        QCOMPARE(item->text(), QStringLiteral("计算书…"));
        choose(item);
        QVERIFY(sheetShown());
        QCOMPARE(sheetWindow()->windowTitle(), QStringLiteral("计算书"));
        QCOMPARE(sheetWindow()->parentWidget(), m_form.get());
        const std::optional<app::sheet::Document> sheet = lastSheet();
        QVERIFY(sheet);
        QCOMPARE(pageLines(), linesOf(*sheet));
        QVERIFY(pageLines().contains(
            QStringLiteral("实际安全系数 9.945 大于要求的安全系数 6，所选钢丝绳满足要求")));
        QVERIFY(page()->isReadOnly());
        QTRY_COMPARE(QApplication::focusWidget(), page());
        QTest::keyClick(page(), Qt::Key_Escape);
        QVERIFY(!sheetShown());
    }

    // Ctrl+P anywhere in the calculator: nothing before a result, the sheet after one, and the
    // new sheet when the force changes and is calculated again.
    void ctrlP()
    {
        QTest::keyClick(text(5), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!sheetShown());
        openSheet();
        QTRY_COMPARE(QApplication::focusWidget(), page());
        QTest::keyClick(page(), Qt::Key_Escape);
        QVERIFY(!sheetShown());
        QApplication::setActiveWindow(m_form.get()); // the calculator in front again
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        actions::retype(text(5), QStringLiteral("1000"));
        QTest::mouseClick(command(1), Qt::LeftButton);
        QCOMPARE(text(6)->text(), QStringLiteral("19.89"));
        command(1)->setFocus();
        QTest::keyClick(command(1), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(sheetShown());
        QVERIFY(pageLines().contains(QStringLiteral("1000 kgf")));
    }

    void save_data()
    {
        QTest::addColumn<char>("job");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter"); // the row of the dialog's file types picked
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("verdict");
        const std::array<std::pair<char, QString>, 3> jobs { {
            { 'a', QStringLiteral("实际安全系数 9.945 大于要求的安全系数 6，所选钢丝绳满足要求") },
            { 'b', QStringLiteral("实际安全系数 3.53 不大于要求的安全系数 6，重选钢丝绳") },
            { 'c', QStringLiteral("实际安全系数 6.96087352138308 大于要求的安全系数 6，所选钢丝绳满足要求") },
        } };
        for (const auto &[job, verdict] : jobs) {
            const QByteArray name(1, job);
            QTest::newRow(name + " rtf") << job << "a.rtf" << 0 << "a.rtf" << int(FileFormat::Rtf) << verdict;
            QTest::newRow(name + " html")
                << job << "b.HTML" << 0 << "b.HTML" << int(FileFormat::Html) << verdict;
            QTest::newRow(name + " pdf") << job << "d.pdf" << 0 << "d.pdf" << int(FileFormat::Pdf) << verdict;
        }
        QTest::newRow("no extension: the first filter's")
            << 'a' << "c" << 0 << "c.rtf" << int(FileFormat::Rtf) << jobs[0].second;
    }

    // The file holds the sheet as the model writes it; a PDF reads back with its title and verdict.
    void save()
    {
        QFETCH(char, job);
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(int, format);
        QFETCH(QString, verdict);
        const std::optional<app::sheet::Document> sheet = openJob(job);
        QVERIFY(sheet);
        QVERIFY(sheetShown());
        QVERIFY(pageLines().contains(verdict));
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QStringList messages = savingAs(folder.filePath(typed), filter,
            [this] { QTest::mouseClick(sheetButton("saveButton"), Qt::LeftButton); });
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList { written });
        QFile file(folder.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (FileFormat(format) != FileFormat::Pdf) {
            QCOMPARE(file.readAll().toStdString(), app::sheet::fileBytes(*sheet, FileFormat(format)));
            return;
        }
        QProcess reader;
        reader.start(QStringLiteral(ROPECALC_PDFTOTEXT), { file.fileName(), QStringLiteral("-") });
        QVERIFY(reader.waitForFinished(30000));
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("钢丝绳安全系数计算书")), qPrintable(text));
        QVERIFY2(text.contains(verdict), qPrintable(text));
    }

    // The tests run as root, who may write in any folder: a folder that does not exist makes the
    // save fail. A message box says so, and no file is made.
    void saveFails()
    {
        openSheet();
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString name = folder.filePath(QStringLiteral("gone/a.rtf"));
        const QStringList messages
            = savingAs(name, 0, [this] { QTest::mouseClick(sheetButton("saveButton"), Qt::LeftButton); });
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.front().contains(QStringLiteral("未能保存")), qPrintable(messages.front()));
        QVERIFY(!QFile::exists(name));
        QVERIFY(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // "打印…" opens the system's print dialog; cancelling it prints nothing and returns.
    void printDialog()
    {
        openSheet();
        bool seen = false;
        QTimer::singleShot(0, this, [&seen] {
            QTRY_VERIFY(qobject_cast<QPrintDialog *>(QApplication::activeModalWidget()) != nullptr);
            seen = true;
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        QTest::mouseClick(sheetButton("printButton"), Qt::LeftButton);
        QVERIFY(seen);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // The selection window's button: disabled with nothing listed, and the sheet of the row
    // clicked for the job as typed.
    void selectionRow()
    {
        QAction *item = openMenu();
        QVERIFY(item);
        choose(m_form->findChild<QAction *>(QStringLiteral("selectRopesAction")));
        auto *selection = m_form->findChild<QWidget *>(QStringLiteral("Selection"));
        QVERIFY(selection && QTest::qWaitForWindowExposed(selection));
        const WindowControls in(selection);
        auto *button = in.find<QPushButton>(QStringLiteral("sheetButton"));
        QVERIFY(!button->isEnabled());
        app::Selection expected;
        const app::listing::Listed found = selectRow(expected);
        QVERIFY(button->isEnabled());
        auto *list = in.find<QTableView>(QStringLiteral("ropeList"));
        QCOMPARE(list->currentIndex().row(),
            int(std::ranges::find(expected.rows(), found.rope, &app::listing::Listed::rope)
                - expected.rows().begin()));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(sheetShown());
        const std::optional<app::sheet::Document> sheet
            = app::sheet::selectionSheet(expected.job(), found, qtview::today());
        QVERIFY(sheet);
        QCOMPARE(pageLines(), linesOf(*sheet));
        QVERIFY(page()->toPlainText().contains(QStringLiteral("19890 ÷ 2857.4 = 6.96")));
        // A job that lists nothing leaves no row to make a sheet of.
        actions::retype(in.find<QLineEdit>(QStringLiteral("loadBox")), QStringLiteral("9999999"));
        QCOMPARE(list->model()->rowCount(), 0);
        QVERIFY(!button->isEnabled());
    }
};

QTEST_MAIN(TestSheetWindow)
#include "tst_sheet_window.moc"
