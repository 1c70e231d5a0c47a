#include "app/qt/pick_list.h"

#include <QComboBox>
#include <QLineEdit>

namespace qtview {

QComboBox *makeList(QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    return list;
}

} // namespace qtview
