#include "app/qt/guide_window.h"

#include "app/help.h"
#include "app/qt/qt_text.h"
#include "app/qt/twips.h"

#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace qtview {

GuideWindow::GuideWindow(QWidget &owner)
    : QWidget(&owner, Qt::Window)
{
    setObjectName(qtText(app::kGuideName));
    setWindowTitle(qtText(app::kGuideCaption));
    auto *page = new QTextBrowser(this);
    page->setObjectName(qtText(app::kGuidePageName));
    page->setAccessibleName(qtText(app::kGuideCaption));
    page->setOpenLinks(false);
    // Running text reads better in a proportional face, a little larger than the dialog font.
    QFont text = font();
    text.setFamilies({ QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei") });
    text.setPointSizeF(10.5);
    page->setFont(text);
    page->setMarkdown(qtText(app::guide::markdown()));
    page->document()->setDocumentMargin(text.pointSizeF());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    // The page takes the keys when the window opens, so the arrow keys and Page Down scroll it.
    setFocusProxy(page);
    page->setFocus();
    resize(twipsToPixels(app::kGuideWidth), twipsToPixels(app::kGuideHeight));
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::hide);
}

} // namespace qtview
