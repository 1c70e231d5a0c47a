#pragma once

#include <QWidget>

// The guide (使用说明) in a window of its own: the built-in Markdown shown as a read-only,
// scrollable page. Owned by the calculator window and closed with it; Esc or the close box hides it.
namespace qtview {

class GuideWindow : public QWidget {
    Q_OBJECT

public:
    explicit GuideWindow(QWidget &owner);
};

} // namespace qtview
