#pragma once

#include <QRadioButton>

namespace qtview {

// Qt lets Tab reach only the focused (or selected) button of an exclusive group: on taking the
// focus, a button takes tab focus from the other buttons of its parent. Here every option button
// is a stop of its own in the window's tab order, as the design's tab indexes give them, so the
// others get it back. Arrow keys still move the selection within the group.
class OptionButton final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QRadioButton::focusInEvent(event);
        for (QRadioButton *sibling : parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
            sibling->setFocusPolicy(Qt::StrongFocus);
    }
};

} // namespace qtview
