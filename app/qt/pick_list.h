#pragma once

class QComboBox;
class QWidget;

namespace qtview {

// An editable list whose items never change and where only a pick from the list is a pick:
// no inline completion, no item added on Enter, and no item chosen because the typed text
// happens to equal one (Qt would choose it when editing finishes, on Enter or on leaving).
QComboBox *makeList(QWidget *parent);

} // namespace qtview
