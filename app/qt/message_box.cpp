#include "app/qt/message_box.h"

#include "app/calculator/control_table.h"
#include "app/help/help.h"
#include "app/qt/qt_text.h"

#include <QMessageBox>

namespace qtview {

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, qtText(app::kWindowCaption), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void showAbout(QWidget *parent)
{
    QMessageBox box(
        QMessageBox::NoIcon, qtText(app::kAboutCaption), qtText(app::aboutText()), QMessageBox::Ok, parent);
    box.setObjectName(qtText(app::kAboutName));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace qtview
