// The window's message: modal, its fixed text, one OK button, no icon, the application's title.

#include "app/qt/message_box.h"
#include "tests/qt/widget_actions.h"

#include <QTest>

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void showsTextUntilClosed()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool returned = false;
        const auto seen = actions::answeringMessages([&] {
            qtview::showMessage(&window, QStringLiteral("请输入钢丝绳受力"));
            returned = true;
        });
        QVERIFY(returned);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("请输入钢丝绳受力"));
        QCOMPARE(seen[0].title, QStringLiteral("钢丝绳安全系数计算器"));
        QCOMPARE(seen[0].icon, QMessageBox::NoIcon);
        QCOMPARE(seen[0].buttons.size(), 1);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The text is shown as it stands, never read as markup.
    void textIsPlain()
    {
        const auto seen
            = actions::answeringMessages([] { qtview::showMessage(nullptr, QStringLiteral("<b>1</b>")); });
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("<b>1</b>"));
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
