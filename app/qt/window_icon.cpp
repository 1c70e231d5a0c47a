#include "app/qt/window_icon.h"

#include <QSize>
#include <QString>

namespace qtview {

// Qt decodes each size as it is added, so only the small ones are here (about half a
// millisecond); menus and launchers take the large ones from the installed icon theme.
QIcon windowIcon()
{
    QIcon icon;
    for (const int size : { 16, 32, 48 })
        icon.addFile(QStringLiteral(":/icons/ropecalc-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace qtview
