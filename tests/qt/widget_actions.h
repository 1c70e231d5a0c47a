#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

// What a user does to the window, as real input events.
namespace actions {

// Types the text key by key. Characters beyond Latin-1 (φ, Chinese, full-width digits) arrive
// as key events carrying the character, as from an input method that commits one at a time.
inline void type(QWidget *widget, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Opens the list and clicks the item in row.
inline bool pickWithMouse(QComboBox *list, int row)
{
    list->showPopup();
    QAbstractItemView *view = list->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        return false;
    // The list ignores a release that comes within a double-click time of its opening.
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    const QPoint centre = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    return QTest::qWaitFor([view] { return !view->isVisible(); });
}

// Opens the list from the keyboard, walks down to the item in row and takes it with Enter.
inline bool pickWithKeyboard(QComboBox *list, int row)
{
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F4);
    QAbstractItemView *view = list->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        return false;
    QTest::keyClick(view, Qt::Key_Home);
    for (int i = 0; i < row; ++i)
        QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    return QTest::qWaitFor([view] { return !view->isVisible(); });
}

// Empties a text box or a list's edit field the way a user does: select all, then delete.
inline void erase(QWidget *widget)
{
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
}

// Replaces what a box or list field holds by typing.
inline void retype(QWidget *widget, const QString &typed)
{
    erase(widget);
    type(widget, typed);
}

struct SeenMessage {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    QStringList buttons;
};

// Runs `during`, clicking the first button of every message box that opens meanwhile, and
// returns what each box showed.
inline QList<SeenMessage> answeringMessages(const std::function<void()> &during)
{
    QList<SeenMessage> seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        QStringList buttons;
        for (const QAbstractButton *button : box->buttons())
            buttons << button->text();
        seen << SeenMessage { box->text(), box->windowTitle(), box->icon(), buttons };
        QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
    });
    watch.start(10);
    during();
    return seen;
}

// Clicks the button and returns the texts of the message boxes it showed.
inline QStringList pressShowingMessages(QAbstractButton *button)
{
    QStringList texts;
    for (const SeenMessage &message :
        answeringMessages([button] { QTest::mouseClick(button, Qt::LeftButton); }))
        texts << message.text;
    return texts;
}

} // namespace actions
