#include "app/control_ops.h"

#include <QComboBox>
#include <QRadioButton>

namespace app {

void clearSelection(QRadioButton *button)
{
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

void clearText(QComboBox *list)
{
    list->setCurrentIndex(-1);
    list->setEditText(QString());
}

} // namespace app
