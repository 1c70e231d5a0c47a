#include "app/qt/selection_window.h"

#include "app/calculator/presentation.h"
#include "app/qt/option_button.h"
#include "app/qt/pick_list.h"
#include "app/qt/qt_text.h"
#include "app/qt/sheet_window.h"
#include "app/qt/twips.h"

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <algorithm>
#include <functional>
#include <utility>

namespace qtview {

using app::listing::Column;
using app::listing::Method;

// The selection's rows as the table shows them. The view asks only for the cells it paints,
// so a listing of a thousand ropes costs no more than the rows on screen.
class RopeRows final : public QAbstractTableModel {
public:
    RopeRows(const app::Selection &selection, QObject *parent)
        : QAbstractTableModel(parent)
        , m_selection(selection)
    {
    }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_selection.rows().size());
    }
    int columnCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(app::listing::kColumnCount);
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const auto column = std::size_t(index.column());
        if (role == Qt::DisplayRole)
            return qtText(m_selection.rows().at(std::size_t(index.row())).cells.at(column));
        // Numbers line up on their last digit.
        if (role == Qt::TextAlignmentRole && column >= std::size_t(Column::Diameter))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return qtText(app::listing::kColumnTitles.at(std::size_t(section)));
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    // The selection lists anew inside a reset, so the view never reads a row that is gone.
    void reset(const std::function<void()> &change)
    {
        beginResetModel();
        change();
        endResetModel();
    }

private:
    const app::Selection &m_selection;
};

namespace {

// The list of ropes: Enter takes the current row over, as a double-click does. Tab leaves the
// list rather than moving between its cells, so the keyboard reaches every control.
class RopeTable final : public QTableView {
public:
    RopeTable(QWidget *parent, std::function<void()> take)
        : QTableView(parent)
        , m_take(std::move(take))
    {
        setTabKeyNavigation(false);
    }

protected:
    // A list of rows: Home and End go to the first and the last rope, with or without Ctrl, as
    // they do in a list; a table would go to the first and the last cell of the row.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        const int rows = model()->rowCount();
        if ((action != MoveHome && action != MoveEnd) || rows == 0)
            return QTableView::moveCursor(action, modifiers);
        return model()->index(action == MoveHome ? 0 : rows - 1, std::max(currentIndex().column(), 0));
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        // The keypad's Enter comes with the keypad modifier.
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            m_take();
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }

private:
    std::function<void()> m_take;
};

// The widget each piece is made of.
template <app::Piece P> struct WidgetOf;
template <> struct WidgetOf<app::Piece::Label> {
    using type = QLabel;
};
template <> struct WidgetOf<app::Piece::Box> {
    using type = QLineEdit;
};
template <> struct WidgetOf<app::Piece::PurposeList> {
    using type = QComboBox;
};
template <> struct WidgetOf<app::Piece::Option> {
    using type = QRadioButton;
};
template <> struct WidgetOf<app::Piece::Check> {
    using type = QCheckBox;
};
template <> struct WidgetOf<app::Piece::Table> {
    using type = QTableView;
};
template <> struct WidgetOf<app::Piece::Button> {
    using type = QPushButton;
};
template <> struct WidgetOf<app::Piece::Status> {
    using type = QLabel;
};

QRect twipsRect(const app::SelectionSpec &row)
{
    return { twipsToPixels(row.left), twipsToPixels(row.top), twipsToPixels(row.width),
        twipsToPixels(row.height) };
}

} // namespace

SelectionWindow::SelectionWindow(app::Form1 &calculator, QWidget &calculatorWindow,
    std::function<void(const app::sheet::Document &)> showSheet)
    : QWidget(&calculatorWindow,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_calculator(calculator)
    , m_calculatorWindow(calculatorWindow)
    , m_showSheet(std::move(showSheet))
    , m_rows(new RopeRows(m_selection, this))
{
    setObjectName(qtText(app::kSelectionName));
    setWindowTitle(qtText(app::kSelectionCaption));
    // A window does not take its owner's font by itself.
    setFont(calculatorWindow.font());
    setFixedSize(twipsToPixels(app::kSelectionWidth), twipsToPixels(app::kSelectionHeight));
    buildControls();
    connectInputs();
    relist([] {});
}

// Each control was made as its piece's widget from its row (makeControl).
template <app::Piece P> auto *SelectionWindow::widget(app::SelectionPart<P> part) const
{
    return static_cast<typename WidgetOf<P>::type *>(m_controls.at(app::selectionRow(part)));
}

QWidget *SelectionWindow::makeControl(const app::SelectionSpec &row)
{
    const QString caption = qtText(row.caption);
    switch (row.piece) {
    case app::Piece::Label:
    case app::Piece::Status: {
        auto *label = new QLabel(caption, this);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case app::Piece::Box:
        return new QLineEdit(this);
    case app::Piece::PurposeList: {
        QComboBox *purposes = makeList(this);
        for (std::string_view item : app::Selection::purposes())
            purposes->addItem(qtText(item));
        purposes->setCurrentIndex(-1);
        return purposes;
    }
    case app::Piece::Option:
        return new OptionButton(caption, this);
    case app::Piece::Check:
        return new QCheckBox(caption, this);
    case app::Piece::Table:
        return makeTable();
    case app::Piece::Button:
        return new QPushButton(caption, this);
    }
    return nullptr;
}

QTableView *SelectionWindow::makeTable()
{
    auto *table = new RopeTable(this, [this] { takeOverCurrent(); });
    table->setModel(m_rows);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    // Rows a line of the font high with a little room, so the list shows as many ropes as it can.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    QHeaderView *header = table->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    for (std::size_t column = 0; column < app::kColumnWidths.size(); ++column)
        header->resizeSection(int(column), twipsToPixels(app::kColumnWidths.at(column)));
    return table;
}

void SelectionWindow::buildControls()
{
    QLabel *naming = nullptr; // a label waiting for the input it names
    QWidget *before = nullptr; // the previous stop of the tab order
    for (std::size_t k = 0; k < app::kSelectionControls.size(); ++k) {
        const app::SelectionSpec &row = app::kSelectionControls.at(k);
        QWidget *control = m_controls.at(k) = makeControl(row);
        control->setObjectName(qtText(row.name));
        if (!row.accessibleName.empty())
            control->setAccessibleName(qtText(row.accessibleName));
        QRect box = twipsRect(row);
        if (auto *label = qobject_cast<QLabel *>(control)) {
            // Like the calculator's labels, a label lower than a line of the font grows to one.
            const app::VerticalExtent grown
                = app::grownLabel(box.top(), box.height(), control->fontMetrics().height());
            box = QRect(box.left(), grown.top, box.width(), grown.height);
            if (row.piece == app::Piece::Label)
                naming = label;
        } else {
            if (naming != nullptr)
                naming->setBuddy(control);
            naming = nullptr;
            if (before != nullptr)
                setTabOrder(before, control);
            before = control;
        }
        control->setGeometry(box);
    }
    // The work type's and the way's buttons are two groups, though children of one window.
    auto *works = new QButtonGroup(this);
    for (const app::WorkOption &row : app::kSelectionWorkOptions)
        works->addButton(widget(row.option));
    auto *ways = new QButtonGroup(this);
    for (const app::WayOption &row : app::kWayOptions)
        ways->addButton(widget(row.option));
    // The job's start: the work type, the way and the methods the selection starts with.
    const app::listing::Job &job = m_selection.job();
    for (const app::WorkOption &row : app::kSelectionWorkOptions)
        widget(row.option)->setChecked(job.work == row.work);
    for (const app::WayOption &row : app::kWayOptions)
        widget(row.option)->setChecked(job.way == row.way);
    for (const app::MethodCheck &row : app::kMethodChecks)
        widget(row.check)->setChecked(row.method == Method::Traditional ? job.traditional : job.standard);
}

// The user's input, and nothing else, reaches the selection: textEdited of a box or of the
// purpose list's field (the user's own edits only), activated of the list (a pick by mouse or
// keyboard), clicked of an option button or a check box. Nothing is written back into them. A
// click on the option button already checked selects nothing new, so the list stays as it is.
void SelectionWindow::connectInputs()
{
    connect(widget(app::kLoadBox), &QLineEdit::textEdited, this,
        [this](const QString &typed) { relist([&] { m_selection.typeLoad(typed.toStdString()); }); });
    connect(widget(app::kLengthBox), &QLineEdit::textEdited, this,
        [this](const QString &typed) { relist([&] { m_selection.typeLength(typed.toStdString()); }); });
    QComboBox *purposes = widget(app::kPurposeBox);
    connect(purposes->lineEdit(), &QLineEdit::textEdited, this,
        [this](const QString &typed) { relist([&] { m_selection.typePurpose(typed.toStdString()); }); });
    connect(purposes, &QComboBox::activated, this,
        [this](int item) { relist([&] { m_selection.pickPurpose(item); }); });

    for (const app::WorkOption &row : app::kSelectionWorkOptions)
        connect(widget(row.option), &QRadioButton::clicked, this, [this, work = row.work] {
            if (work != m_selection.job().work)
                relist([&] { m_selection.selectWork(work); });
        });
    for (const app::WayOption &row : app::kWayOptions)
        connect(widget(row.option), &QRadioButton::clicked, this, [this, way = row.way] {
            if (way != m_selection.job().way)
                relist([&] { m_selection.selectWay(way); });
        });
    for (const app::InclinedInput &row : app::kInclinedInputs)
        connect(
            widget(row.box), &QLineEdit::textEdited, this, [this, input = row.input](const QString &typed) {
                relist([&] { m_selection.typeInclined(input, typed.toStdString()); });
            });
    for (const app::MethodCheck &row : app::kMethodChecks)
        connect(widget(row.check), &QCheckBox::clicked, this, [this, method = row.method](bool checked) {
            relist([&] { m_selection.showMethod(method, checked); });
        });

    QTableView *table = widget(app::kRopeList);
    connect(table->horizontalHeader(), &QHeaderView::sectionClicked, this,
        [this](int column) { relist([&] { m_selection.sortBy(Column(column)); }); });
    connect(
        table, &QTableView::doubleClicked, this, [this](const QModelIndex &index) { takeOver(index.row()); });
    connect(widget(app::kUseButton), &QPushButton::clicked, this, [this] { takeOverCurrent(); });
    connect(widget(app::kCopyButton), &QPushButton::clicked, this,
        [this] { QGuiApplication::clipboard()->setText(QString::fromUtf8(m_selection.copyText())); });
    connect(widget(app::kSheetButton), &QPushButton::clicked, this, [this] { showCurrentSheet(); });
    // The sheet is of the current row, so the button is there only while a row is.
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) { widget(app::kSheetButton)->setEnabled(current.isValid()); });
}

void SelectionWindow::relist(const std::function<void()> &change)
{
    m_rows->reset(change);
    widget(app::kStatusLabel)->setText(qtText(m_selection.status()));
    // The inclined inputs and the length's label follow the way; their texts stay as typed.
    for (const app::InclinedInput &row : app::kInclinedInputs) {
        widget(row.label)->setEnabled(m_selection.inclinedEnabled());
        widget(row.box)->setEnabled(m_selection.inclinedEnabled());
    }
    widget(app::kLengthLabel)->setText(qtText(m_selection.lengthCaption()));
    QTableView *table = widget(app::kRopeList);
    const std::optional<Column> sorted = m_selection.sortColumn();
    table->horizontalHeader()->setSortIndicator(
        sorted ? int(*sorted) : -1, m_selection.descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    // The first row is current after each listing, so Enter takes the rope listed first.
    if (m_rows->rowCount({}) > 0)
        table->setCurrentIndex(m_rows->index(0, 0));
    widget(app::kSheetButton)->setEnabled(table->currentIndex().isValid());
}

// Esc closes the window, as it closes a dialog; a list that is open takes it first.
void SelectionWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void SelectionWindow::takeOverCurrent()
{
    if (const QModelIndex current = widget(app::kRopeList)->currentIndex(); current.isValid())
        takeOver(current.row());
}

void SelectionWindow::showCurrentSheet()
{
    const QModelIndex current = widget(app::kRopeList)->currentIndex();
    if (!current.isValid() || std::size_t(current.row()) >= m_selection.rows().size())
        return;
    if (const std::optional<app::sheet::Document> sheet = app::sheet::selectionSheet(
            m_selection.job(), m_selection.rows().at(std::size_t(current.row())), today()))
        m_showSheet(*sheet);
}

void SelectionWindow::takeOver(int row)
{
    if (row < 0 || std::size_t(row) >= m_selection.rows().size())
        return;
    if (!app::takeOver(m_calculator, m_selection.rows().at(std::size_t(row)), m_selection.job()))
        return; // the calculator is busy, say under a message box
    m_calculatorWindow.raise();
    m_calculatorWindow.activateWindow();
}

} // namespace qtview
