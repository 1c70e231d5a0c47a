#include "app/message_box.h"

#include "app/control_table.h"

#include <QMessageBox>

namespace app {

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon,
        QString::fromUtf8(kWindowCaption.data(), qsizetype(kWindowCaption.size())), text, QMessageBox::Ok,
        parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace app
