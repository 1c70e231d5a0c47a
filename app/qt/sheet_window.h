#pragma once

#include "app/sheet/sheet.h"

#include <QWidget>
#include <string>

class QPushButton;
class QTextBrowser;

// The calculation sheet's preview: the sheet as it will print, in a read-only page that takes
// the window's room, with buttons to print it and to save it as RTF, HTML or PDF. Owned by the
// calculator window and closed with it; Esc or the close box hides it.
namespace qtview {

// Today as a sheet is dated.
std::string today();

class SheetWindow : public QWidget {
    Q_OBJECT

public:
    explicit SheetWindow(QWidget &owner);

    // Shows the sheet in the page, in front.
    void showSheet(const app::sheet::Document &sheet);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void print();
    void save();

    app::sheet::Document m_sheet;
    QTextBrowser *m_page = nullptr;
    QString m_folder; // where the last file was saved, where the save dialog opens next
};

} // namespace qtview
