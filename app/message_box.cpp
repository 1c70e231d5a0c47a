#include "app/message_box.h"

#include "app/control_table.h"
#include "app/qt_text.h"

#include <QMessageBox>

namespace app {

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, qtText(kWindowCaption), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace app
