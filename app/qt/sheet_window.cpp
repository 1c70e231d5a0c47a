#include "app/qt/sheet_window.h"

#include "app/qt/message_box.h"
#include "app/qt/qt_text.h"
#include "app/qt/twips.h"
#include "app/sheet/sheet_window.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextFrame>
#include <QTextTable>
#include <optional>

namespace qtview {

using app::sheet::FileFormat;
using app::sheet::SheetControl;

namespace {

QRect twipsRect(const app::sheet::SheetSpec &row)
{
    return { twipsToPixels(row.left), twipsToPixels(row.top), twipsToPixels(row.width),
        twipsToPixels(row.height) };
}

// The save dialog's filter of a file type: "网页 (*.html *.htm)".
QString filterOf(const app::sheet::FileType &type)
{
    QString patterns = QStringLiteral("*.") + qtText(type.extension);
    if (type.format == FileFormat::Html)
        patterns += QStringLiteral(" *.htm"); // the other name a page goes by
    return qtText(type.description) + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

// Writes the file through a temporary one beside it, renamed over the name only when whole, so
// a failure leaves nothing half-written under the name. Returns why it failed; empty when saved.
QString writeFile(
    const QString &name, FileFormat format, const app::sheet::Document &sheet, const QTextDocument &page)
{
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (format == FileFormat::Pdf) {
        // The page printed as on paper: A4 at the resolution Qt prints a PDF at in high resolution.
        constexpr int kPdfDpi = 1200;
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(kPdfDpi);
        pdf.setTitle(qtText(app::sheet::kDefaultFileName));
        page.print(&pdf);
    } else {
        const std::string bytes = app::sheet::fileBytes(sheet, format);
        if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
            return file.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

// Qt's reader of HTML leaves the sheet's tables as narrow as their words, where a browser
// makes them the page's width with the keys in its first third: the page and its print do so too.
void fullWidthTables(QTextDocument &document)
{
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (table == nullptr || table->columns() != 2)
            continue;
        QTextTableFormat format = table->format();
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints({ QTextLength(QTextLength::PercentageLength, 33),
            QTextLength(QTextLength::PercentageLength, 67) });
        table->setFormat(format);
    }
}

} // namespace

std::string today()
{
    const QDate date = QDate::currentDate();
    return app::sheet::dateText(date.year(), date.month(), date.day());
}

SheetWindow::SheetWindow(QWidget &owner)
    : QWidget(&owner, Qt::Window)
    , m_folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
    setObjectName(qtText(app::sheet::kSheetName));
    setWindowTitle(qtText(app::sheet::kSheetCaption));
    // A window does not take its owner's font by itself.
    setFont(owner.font());
    for (const app::sheet::SheetSpec &row : app::sheet::kSheetControls) {
        QWidget *control = nullptr;
        if (row.control == SheetControl::Page) {
            m_page = new QTextBrowser(this);
            m_page->setOpenLinks(false);
            m_page->setAccessibleName(qtText(app::sheet::kSheetCaption));
            // Qt's reader of HTML takes the ideographic space between the signature lines for
            // a blank to collapse, as a browser does not: the sheet's own spaces are kept.
            m_page->document()->setDefaultStyleSheet(QStringLiteral("p { white-space: pre-wrap; }"));
            control = m_page;
        } else {
            auto *button = new QPushButton(qtText(row.caption), this);
            connect(button, &QPushButton::clicked, this,
                row.control == SheetControl::PrintButton ? &SheetWindow::print : &SheetWindow::save);
            control = button;
        }
        control->setObjectName(qtText(row.name));
        control->setGeometry(twipsRect(row));
    }
    // The page takes the keys when the window opens, so the arrow keys and Page Down scroll it.
    setFocusProxy(m_page);
    resize(twipsToPixels(app::sheet::kSheetWidth), twipsToPixels(app::sheet::kSheetHeight));
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::hide);
}

// The page keeps its margins to the right and below as the window grows or shrinks.
void SheetWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const app::sheet::SheetSpec &page = app::sheet::sheetSpecOf(SheetControl::Page);
    const int right = twipsToPixels(app::sheet::kSheetWidth - page.left - page.width);
    const int bottom = twipsToPixels(app::sheet::kSheetHeight - page.top - page.height);
    const QRect first = twipsRect(page);
    m_page->setGeometry(first.left(), first.top(), std::max(0, width() - first.left() - right),
        std::max(0, height() - first.top() - bottom));
}

void SheetWindow::showSheet(const app::sheet::Document &sheet)
{
    m_sheet = sheet;
    m_page->setHtml(qtText(app::sheet::toHtml(sheet)));
    fullWidthTables(*m_page->document());
    m_page->moveCursor(QTextCursor::Start); // the page opens at its top
    show();
    raise();
    activateWindow();
    m_page->setFocus();
}

// Without a printer the system's dialog says so itself, or offers printing to a file.
void SheetWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(qtText(app::sheet::kDefaultFileName));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        m_page->document()->print(&printer);
}

// The format is the name's; a name without an extension takes the chosen filter's.
void SheetWindow::save()
{
    QStringList filters;
    for (const app::sheet::FileType &type : app::sheet::kFileTypes)
        filters << filterOf(type);
    QString chosen = filters.front();
    const QString start
        = QDir(m_folder).filePath(qtText(app::sheet::kDefaultFileName) + QStringLiteral(".rtf"));
    QString name = QFileDialog::getSaveFileName(
        this, windowTitle(), start, filters.join(QStringLiteral(";;")), &chosen);
    if (name.isEmpty())
        return;
    std::optional<FileFormat> format = app::sheet::formatOf(name.toStdString());
    if (!format) {
        const auto &type = app::sheet::kFileTypes.at(std::size_t(std::max(0, int(filters.indexOf(chosen)))));
        name += QLatin1Char('.') + qtText(type.extension);
        format = type.format;
    }
    if (const QString error = writeFile(name, *format, m_sheet, *m_page->document()); !error.isEmpty()) {
        showMessage(this,
            qtText(app::sheet::saveFailedText(
                QDir::toNativeSeparators(name).toStdString(), error.toStdString())));
        return;
    }
    m_folder = QFileInfo(name).absolutePath();
}

} // namespace qtview
