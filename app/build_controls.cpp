#include "app/control_table.h"
#include "app/form1.h"
#include "app/qt_text.h"
#include "app/twips.h"
#include "common/purpose_table.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace app {

namespace {

// Qt lets Tab reach only the focused (or selected) button of an exclusive group: on taking the
// focus, a button takes tab focus from the other buttons of its frame. Here every option button
// is a stop of its own in the window's tab order, as the design's tab indexes give them, so the
// others get it back. Arrow keys still move the selection within a frame.
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

QString objectNameOf(Kind kind, int number)
{
    static constexpr std::array<const char *, 6> kindNames { "Frame", "Label", "Option", "Combo", "Text",
        "Command" };
    return QLatin1String(kindNames.at(std::size_t(kind))) + QString::number(number);
}

// An editable list whose items never change and where only a pick from the list is a pick:
// no inline completion, no item added on Enter, and no item chosen because the typed text
// happens to equal one (Qt would choose it when editing finishes, on Enter or on leaving).
QComboBox *makeList(QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    return list;
}

void fill(QComboBox *list, const QStringList &items)
{
    list->addItems(items);
    list->setCurrentIndex(-1); // a list starts with nothing picked and an empty field
}

// The design's labels are 10 to 13 pixels high, less than one line of the CJK dialog font (17
// pixels from ascent to descent), which would cut off the tops of the ideographs and the foot of
// the "g" in "kg/mm2". A label grows about its middle to one line: its text stays where the
// design puts it, and whole. Labels lie over no control created before them, so they take no
// clicks from one.
QRect atLeastOneLine(const QRect &box, int lineHeight)
{
    const int grow = std::max(0, lineHeight - box.height());
    return box.adjusted(0, -grow / 2, 0, grow - grow / 2);
}

// Read-only read-outs take the focus too: a keyboard or screen-reader user reaches them by Tab
// to hear or copy a value, in the place the design's tab indexes give them.
bool takesFocus(Kind kind)
{
    return kind != Kind::Frame && kind != Kind::Label;
}

} // namespace

void Form1::buildControls()
{
    std::vector<std::pair<int, QWidget *>> focusOrder;
    for (const ControlSpec &row : kControls) {
        QWidget *parent = widget(row.parent);
        const QString caption = qtText(row.caption);
        QWidget *control = nullptr;
        switch (row.kind) {
        case Kind::Frame:
            control = m_frames.at(row.number) = new QGroupBox(caption, parent);
            break;
        case Kind::Label: {
            auto *label = new QLabel(caption, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(
                (row.style == Style::Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
            control = m_labels.at(row.number) = label;
            break;
        }
        case Kind::Option:
            // Option buttons of one frame are siblings, so Qt's auto-exclusivity groups them per frame.
            control = m_options.at(row.number) = new OptionButton(parent);
            break;
        case Kind::Combo:
            control = m_combos.at(row.number) = makeList(parent);
            break;
        case Kind::Text: {
            auto *box = new QLineEdit(parent);
            box->setReadOnly(row.style == Style::ReadOnly);
            control = m_texts.at(row.number) = box;
            break;
        }
        case Kind::Command:
            control = m_commands.at(row.number) = new QPushButton(caption, parent);
            break;
        }
        control->setObjectName(objectNameOf(row.kind, row.number));
        QRect box(twipsToPixels(row.left), twipsToPixels(row.top), twipsToPixels(row.width),
            twipsToPixels(row.height));
        if (row.kind == Kind::Label)
            box = atLeastOneLine(box, control->fontMetrics().height());
        control->setGeometry(box);
        if (takesFocus(row.kind))
            focusOrder.emplace_back(row.tabIndex, control);
    }

    for (const ListSpec &list : kDiameterLists) {
        QStringList items;
        for (std::string_view item : list.items)
            items << qtText(item);
        fill(combo(list.combo), items);
    }
    for (const PurposeListSpec &list : kPurposeLists) {
        QStringList items;
        for (std::size_t i = 0; i < list.count; ++i)
            items << qtText(common::kPurposes.at(i).text);
        fill(combo(list.combo), items);
    }

    for (const NamedBy &row : kNamedBy) {
        QString name = qtText(captionOf(row.by)).trimmed();
        if (row.also.number != 0)
            name += QLatin1Char(' ') + qtText(captionOf(row.also)).trimmed();
        QWidget *named = widget(row.control);
        named->setAccessibleName(name);
        if (row.by.kind == Kind::Label && !label(row.by.number)->buddy())
            label(row.by.number)->setBuddy(named);
    }

    std::sort(
        focusOrder.begin(), focusOrder.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
}

} // namespace app
