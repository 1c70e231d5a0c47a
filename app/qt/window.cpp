#include "app/qt/window.h"

#include "app/calculator/control_table.h"
#include "app/calculator/presentation.h"
#include "app/help/help.h"
#include "app/qt/guide_window.h"
#include "app/qt/message_box.h"
#include "app/qt/option_button.h"
#include "app/qt/pick_list.h"
#include "app/qt/qt_text.h"
#include "app/qt/selection_window.h"
#include "app/qt/sheet_window.h"
#include "app/qt/twips.h"
#include "app/sheet/sheet_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace qtview {

using app::Kind;
using app::Ref;

namespace {

// The dialog font of the window's design, asked for by its English name first, the one
// fontconfig is surest to know. Where it is missing, the fallbacks are CJK faces that, like it,
// give Latin letters and digits half the width of a Chinese character, so captions such as
// "1470kN/mm2" still fit their boxes. Qt picks glyphs by writing system, not by character set.
QFont dialogFont()
{
    const app::FontSpec &dialog = app::kDialogFont;
    QFont font;
    font.setFamilies({ qtText(dialog.latinFace), qtText(dialog.face), QStringLiteral("NSimSun"),
        QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("WenQuanYi Zen Hei Mono"),
        QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback") });
    font.setPointSize(dialog.points);
    font.setWeight(QFont::Weight(dialog.weight));
    return font;
}

QString objectNameOf(Kind kind, int number)
{
    return qtText(app::kKindNames.at(std::size_t(kind))) + QString::number(number);
}

// The design's labels are 10 to 13 pixels high, less than one line of the CJK dialog font (17
// pixels from ascent to descent), so they grow to one line. Labels lie over no control created
// before them, so they take no clicks from one.
QRect atLeastOneLine(const QRect &box, int lineHeight)
{
    const app::VerticalExtent grown = app::grownLabel(box.top(), box.height(), lineHeight);
    return { box.left(), grown.top, box.width(), grown.height };
}

} // namespace

Window::Window(QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_form(*this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qtText(app::kWindowCaption));
    setFont(dialogFont());
    setFixedSize(twipsToPixels(app::kClientWidth), twipsToPixels(app::kClientHeight));
    buildControls();
    fillLists();
    nameControls();
    connectInputs();
    const app::MenuItem &guide = app::menuItem(app::Command::Guide);
    m_guideAction = new QAction(qtText(guide.caption), this);
    m_guideAction->setObjectName(qtText(guide.name));
    m_guideAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_guideAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_guideAction);
    connect(m_guideAction, &QAction::triggered, this, &Window::openGuide);
    const app::MenuItem &sheet = app::menuItem(app::Command::Sheet);
    m_sheetAction = new QAction(qtText(sheet.caption), this);
    m_sheetAction->setObjectName(qtText(sheet.name));
    m_sheetAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_sheetAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_sheetAction);
    connect(m_sheetAction, &QAction::triggered, this, &Window::openLastSheet);
}

QWidget *Window::widget(Ref ref)
{
    const auto n = std::size_t(ref.number);
    switch (ref.kind) {
    case Kind::Frame:
        return n == 0 ? static_cast<QWidget *>(this) : m_frames.at(n);
    case Kind::Label:
        return m_labels.at(n);
    case Kind::Option:
        return m_options.at(n);
    case Kind::Combo:
        return m_combos.at(n);
    case Kind::Text:
        return m_texts.at(n);
    case Kind::Command:
        return m_commands.at(n);
    }
    return nullptr;
}

void Window::buildControls()
{
    for (const app::ControlSpec &row : app::kControls) {
        QWidget *parent = widget(row.parent);
        const QString caption = qtText(row.caption);
        const auto n = std::size_t(row.number);
        QWidget *control = nullptr;
        switch (row.kind) {
        case Kind::Frame:
            control = m_frames.at(n) = new QGroupBox(caption, parent);
            break;
        case Kind::Label: {
            auto *label = new QLabel(caption, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(
                (row.style == app::Style::Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
            control = m_labels.at(n) = label;
            break;
        }
        case Kind::Option:
            // Option buttons of one frame are siblings, so Qt's auto-exclusivity groups them per frame.
            control = m_options.at(n) = new OptionButton(parent);
            break;
        case Kind::Combo:
            control = m_combos.at(n) = makeList(parent);
            break;
        case Kind::Text: {
            auto *box = new QLineEdit(parent);
            box->setReadOnly(row.style == app::Style::ReadOnly);
            control = m_texts.at(n) = box;
            break;
        }
        case Kind::Command:
            control = m_commands.at(n) = new QPushButton(caption, parent);
            break;
        }
        control->setObjectName(objectNameOf(row.kind, row.number));
        QRect box(twipsToPixels(row.left), twipsToPixels(row.top), twipsToPixels(row.width),
            twipsToPixels(row.height));
        if (row.kind == Kind::Label)
            box = atLeastOneLine(box, control->fontMetrics().height());
        control->setGeometry(box);
    }
    for (std::size_t i = 1; i < app::kTabOrder.size(); ++i) {
        const app::ControlSpec &before = *app::kTabOrder.at(i - 1);
        const app::ControlSpec &after = *app::kTabOrder.at(i);
        setTabOrder(widget(Ref { before.kind, before.number }), widget(Ref { after.kind, after.number }));
    }
}

void Window::fillLists()
{
    for (std::size_t n = 1; n < m_combos.size(); ++n) {
        QStringList items;
        for (std::string_view item : m_form.items(app::combo(int(n))))
            items << qtText(item);
        m_combos.at(n)->addItems(items);
        m_combos.at(n)->setCurrentIndex(-1); // a list starts with nothing picked and an empty field
    }
}

// What a screen reader announces for each control without a caption of its own; a label is
// also the buddy of the first control it names.
void Window::nameControls()
{
    for (const app::NamedBy &row : app::kNamedBy) {
        QWidget *named = widget(row.control);
        named->setAccessibleName(qtText(app::accessibleName(row)));
        QLabel *label = row.by.kind == Kind::Label ? m_labels.at(std::size_t(row.by.number)) : nullptr;
        if (label != nullptr && label->buddy() == nullptr)
            label->setBuddy(named);
    }
}

// The user's input, and nothing else, reaches the window's model:
// - selecting an option button: clicked, emitted by a mouse click, Space, and the arrow keys
//   that move the selection within a frame; a click on the selected button selects nothing new;
// - picking a list item: activated, emitted only when the user picks, by mouse or keyboard;
// - typing: textEdited of a box or of a list's field, emitted for the user's own edits (keys,
//   paste, undo), never for a program's setText;
// - pressing a button: clicked.
// The model's own writes reach the widgets with their signals blocked, so they echo nothing.
// Qt has already changed the widget when it tells of the input, so the control is shown again
// from the model afterwards, in case the model took no input then.
void Window::connectInputs()
{
    for (std::size_t n = 1; n < m_options.size(); ++n)
        connect(m_options.at(n), &QRadioButton::clicked, this, [this, n] {
            m_form.select(app::option(int(n)));
            for (std::size_t other = 1; other < m_options.size(); ++other)
                showOption(int(other));
        });
    for (std::size_t n = 1; n < m_combos.size(); ++n) {
        connect(m_combos.at(n), &QComboBox::activated, this, [this, n](int item) {
            m_form.pick(app::combo(int(n)), item);
            showList(int(n));
        });
        connect(m_combos.at(n)->lineEdit(), &QLineEdit::textEdited, this, [this, n](const QString &typed) {
            m_form.type(app::combo(int(n)), typed.toStdString());
            showList(int(n));
        });
    }
    for (std::size_t n = 1; n < m_texts.size(); ++n)
        connect(m_texts.at(n), &QLineEdit::textEdited, this, [this, n](const QString &typed) {
            m_form.type(app::text(int(n)), typed.toStdString());
            showBox(int(n));
        });
    for (std::size_t n = 1; n < m_commands.size(); ++n)
        connect(
            m_commands.at(n), &QPushButton::clicked, this, [this, n] { m_form.press(app::command(int(n))); });
}

void Window::showAll()
{
    for (const app::ControlSpec &row : app::kControls)
        stateChanged(Ref { row.kind, row.number });
}

void Window::stateChanged(Ref control)
{
    switch (control.kind) {
    case Kind::Option:
        showOption(control.number);
        return;
    case Kind::Combo:
        showList(control.number);
        return;
    case Kind::Text:
        showBox(control.number);
        return;
    default:
        widget(control)->setEnabled(m_form.state(control).enabled);
        return;
    }
}

void Window::showOption(int n)
{
    QRadioButton *button = m_options.at(std::size_t(n));
    const app::ControlState &state = m_form.state(app::option(n));
    button->setEnabled(state.enabled);
    if (button->isChecked() == state.checked)
        return;
    const QSignalBlocker quiet(button);
    // Qt refuses to uncheck the checked button of an exclusive group, so exclusivity is lifted
    // for the moment.
    button->setAutoExclusive(false);
    button->setChecked(state.checked);
    button->setAutoExclusive(true);
}

void Window::showList(int n)
{
    QComboBox *list = m_combos.at(std::size_t(n));
    const app::ControlState &state = m_form.state(app::combo(n));
    list->setEnabled(state.enabled);
    const QSignalBlocker quiet(list);
    const QSignalBlocker quietField(list->lineEdit());
    if (list->currentIndex() != state.item)
        list->setCurrentIndex(state.item);
    const QString text = qtText(state.text);
    if (list->currentText() != text)
        list->setEditText(text);
}

void Window::showBox(int n)
{
    QLineEdit *box = m_texts.at(std::size_t(n));
    const app::ControlState &state = m_form.state(app::text(n));
    box->setEnabled(state.enabled);
    const QString text = qtText(state.text);
    if (box->text() != text) {
        const QSignalBlocker quiet(box);
        box->setText(text);
    }
    if (state.background) {
        const QColor colour(state.background->red, state.background->green, state.background->blue);
        if (box->palette().color(QPalette::Base) != colour) {
            QPalette palette = box->palette();
            palette.setColor(QPalette::Base, colour);
            box->setPalette(palette);
        }
    }
}

// A box and an editable list show their own editing menu and take the event, so one that
// reaches the window comes from a frame, a label, a button or the window itself, or from a
// disabled box or list, which passes the event on to its parent: there no menu opens either.
void Window::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Mouse)
        for (const QWidget *hit = childAt(event->pos()); hit != nullptr; hit = hit->parentWidget())
            if (qobject_cast<const QLineEdit *>(hit) != nullptr
                || qobject_cast<const QComboBox *>(hit) != nullptr)
                return;
    openMenu(event->globalPos());
}

void Window::keyPressEvent(QKeyEvent *event)
{
    const bool menuKey = event->key() == Qt::Key_Menu
        || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    auto *button = qobject_cast<QAbstractButton *>(focusWidget());
    if (!menuKey || button == nullptr) {
        QWidget::keyPressEvent(event);
        return;
    }
    openMenu(button->mapToGlobal(button->rect().center()));
}

// The menu, like the selection window, is made when first wanted, so the start costs nothing more.
void Window::openMenu(const QPoint &globalPos)
{
    if (m_menu == nullptr) {
        m_menu = new QMenu(this);
        m_menu->setObjectName(QStringLiteral("contextMenu"));
        for (const app::MenuItem &item : app::kMenuItems) {
            if (item.command == app::Command::Guide || item.command == app::Command::Sheet) {
                m_menu->addAction(item.command == app::Command::Guide ? m_guideAction : m_sheetAction);
                continue;
            }
            QAction *action = m_menu->addAction(qtText(item.caption));
            action->setObjectName(qtText(item.name));
            if (item.command == app::Command::SelectRopes)
                connect(action, &QAction::triggered, this, &Window::openSelection);
            else
                connect(action, &QAction::triggered, this, [this] { showAbout(this); });
        }
        // The item is enabled while the menu shows only if there is a sheet to show; Ctrl+P stays
        // live otherwise, and looks for the sheet when pressed.
        connect(m_menu, &QMenu::aboutToShow, this, [this] {
            m_sheetAction->setEnabled(app::sheet::lastCalculationSheet(m_form, today()).has_value());
        });
        connect(m_menu, &QMenu::aboutToHide, this, [this] { m_sheetAction->setEnabled(true); });
    }
    // A platform that makes the Menu key a context-menu event as well opens the menu only once.
    if (!m_menu->isVisible())
        m_menu->popup(globalPos);
}

void Window::openSelection()
{
    if (m_selection == nullptr) {
        m_selection = new SelectionWindow(
            m_form, *this, [this](const app::sheet::Document &sheet) { openSheet(sheet); });
        m_selection->addAction(m_guideAction);
    }
    m_selection->show();
    m_selection->raise();
    m_selection->activateWindow();
}

void Window::openGuide()
{
    if (m_guide == nullptr)
        m_guide = new GuideWindow(*this);
    m_guide->show();
    m_guide->raise();
    m_guide->activateWindow();
}

void Window::openLastSheet()
{
    if (const std::optional<app::sheet::Document> sheet = app::sheet::lastCalculationSheet(m_form, today()))
        openSheet(*sheet);
}

void Window::openSheet(const app::sheet::Document &sheet)
{
    if (m_sheet == nullptr)
        m_sheet = new SheetWindow(*this);
    m_sheet->showSheet(sheet);
}

void Window::showMessage(std::string_view text)
{
    qtview::showMessage(this, qtText(text));
}

} // namespace qtview
