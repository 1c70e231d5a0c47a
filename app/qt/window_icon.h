#pragma once

#include <QIcon>

namespace qtview {

// The icon of the window's title bar and task bar, from the same pictures the install puts in
// the icon theme.
QIcon windowIcon();

} // namespace qtview
