// The guide and the About box by real input: F1 in the calculator and in the selection window,
// the context menu's items, the guide's page and Esc, and the About box's version and licence.

#include "app/help/help.h"
#include "app/qt/qt_text.h"
#include "tests/qt/widget_actions.h"
#include "tests/qt/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {

// A right click on a label of the calculator, as the platform reports it.
QMenu *openMenu(QWidget *form)
{
    const QWidget *label = form->findChild<QWidget *>(QStringLiteral("Label1"));
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, label->mapTo(form, QPoint(3, 3)));
    auto *menu = form->findChild<QMenu *>(QStringLiteral("contextMenu"));
    return menu != nullptr && menu->isVisible() ? menu : nullptr;
}

void choose(QMenu *menu, const app::MenuItem &item)
{
    QAction *action = menu->findChild<QAction *>(qtview::qtText(item.name));
    if (action == nullptr) // an action the window owns, shown in the menu as well
        action = menu->parentWidget()->findChild<QAction *>(qtview::qtText(item.name));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

} // namespace

class TestGuideWindow : public WindowFixture {
    Q_OBJECT

private:
    QWidget *guide() const { return m_form->findChild<QWidget *>(QStringLiteral("Guide")); }
    bool guideShown() const { return guide() != nullptr && guide()->isVisible(); }
    QTextBrowser *page() const { return guide()->findChild<QTextBrowser *>(QStringLiteral("guidePage")); }

private slots:
    void init()
    {
        QVERIFY(openWindow());
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

    void f1_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("box") << "Text5";
        QTest::newRow("list's field") << "Combo5";
        QTest::newRow("option button") << "Option1";
        QTest::newRow("push button") << "Command2";
    }

    // F1 wherever the focus is opens the page, which shows every section and cannot be edited;
    // no handler runs and the focused box keeps its text. Esc hides it again.
    void f1()
    {
        QFETCH(QString, control);
        actions::type(text(5), QStringLiteral("2000"));
        m_log.clear();
        QWidget *focused = m_form->findChild<QWidget *>(control);
        focused->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QVERIFY(guideShown());
        QCOMPARE(guide()->windowTitle(), qtview::qtText(app::kGuideCaption));
        QCOMPARE(guide()->parentWidget(), m_form.get());
        QTRY_COMPARE(QApplication::focusWidget(), page());
        // The page is the guide's blocks, one paragraph each.
        const QString shown = page()->toPlainText();
        QStringList blocks;
        for (const app::guide::Paragraph &block : app::guide::paragraphs(app::guide::markdown()))
            blocks << qtview::qtText(block.text);
        QCOMPARE(shown, blocks.join(QLatin1Char('\n')));
        QTextCursor title(page()->document()->firstBlock());
        title.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(title.charFormat().fontPointSize(), 16.0); // the title's style, as on Windows
        QCOMPARE(title.charFormat().fontWeight(), int(QFont::Bold));
        QVERIFY(shown.contains(QStringLiteral("“计  算”")));
        QVERIFY(!shown.contains(QStringLiteral("**")));
        QTest::keyClicks(page(), QStringLiteral("x1"));
        QTest::keyClick(page(), Qt::Key_Delete);
        QCOMPARE(page()->toPlainText(), shown);
        QCOMPARE(text(5)->text(), QStringLiteral("2000"));
        QVERIFY2(m_log.isEmpty(), qPrintable(m_log.join(QLatin1Char(' '))));
        QTest::keyClick(page(), Qt::Key_Escape);
        QVERIFY(!guideShown());
    }

    void f1InSelectionWindow()
    {
        QMenu *menu = openMenu(m_form.get());
        QVERIFY(menu);
        choose(menu, app::menuItem(app::Command::SelectRopes));
        auto *selection = m_form->findChild<QWidget *>(QStringLiteral("Selection"));
        QVERIFY(selection && QTest::qWaitForWindowActive(selection));
        auto *load = WindowControls(selection).find<QLineEdit>(QStringLiteral("loadBox"));
        load->setFocus(Qt::TabFocusReason);
        actions::type(load, QStringLiteral("20"));
        QTest::keyClick(load, Qt::Key_F1);
        QVERIFY(guideShown());
        QCOMPARE(load->text(), QStringLiteral("20"));
    }

    // The menu holds the table's items in its order; the guide's shows its key.
    void menuItems()
    {
        QMenu *menu = openMenu(m_form.get());
        QVERIFY(menu);
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), qsizetype(app::kMenuItems.size()));
        for (std::size_t i = 0; i < app::kMenuItems.size(); ++i) {
            QCOMPARE(actions[qsizetype(i)]->text(), qtview::qtText(app::kMenuItems[i].caption));
            QCOMPARE(actions[qsizetype(i)]->objectName(), qtview::qtText(app::kMenuItems[i].name));
        }
        QCOMPARE(actions[2]->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(actions[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        choose(menu, app::menuItem(app::Command::Guide));
        QVERIFY(guideShown());
    }

    // The About box names the program, the project's version and the licence; OK closes it, and
    // nothing of the calculator changes.
    void about()
    {
        QMenu *menu = openMenu(m_form.get());
        QVERIFY(menu);
        m_log.clear();
        QString name, title, shown;
        bool closed = false;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            name = box->objectName();
            title = box->windowTitle();
            shown = box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            closed = true;
        });
        choose(menu, app::menuItem(app::Command::About));
        QVERIFY(closed);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(name, qtview::qtText(app::kAboutName));
        QCOMPARE(title, QStringLiteral("关于钢丝绳安全系数计算器"));
        QVERIFY(shown.startsWith(QStringLiteral("钢丝绳安全系数计算器\n版本 " ROPECALC_VERSION "\n")));
        QVERIFY(shown.contains(QStringLiteral("MIT License")));
        QVERIFY(shown.contains(QStringLiteral("The above copyright notice and this permission notice")));
        QVERIFY(m_log.isEmpty());
    }
};

QTEST_MAIN(TestGuideWindow)
#include "tst_guide_window.moc"
