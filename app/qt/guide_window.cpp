#include "app/qt/guide_window.h"

#include "app/help/help.h"
#include "app/qt/qt_text.h"
#include "app/qt/twips.h"

#include <QShortcut>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QVBoxLayout>

namespace qtview {

namespace {

// The guide's blocks, each a paragraph of its own style, as the Windows page shows them. Qt's
// indents are the block's left edge and its first line's offset from it.
void fill(QTextDocument &document)
{
    constexpr qreal kTwipsPerPoint = 20;
    QTextCursor cursor(&document);
    bool first = true;
    for (const app::guide::Paragraph &block : app::guide::paragraphs(app::guide::markdown())) {
        const app::guide::BlockStyle style = app::guide::styleOf(block.block);
        QTextBlockFormat paragraph;
        paragraph.setLeftMargin(twipsToPixels(app::guide::kPageMarginTwips + style.indent + style.hanging));
        paragraph.setTextIndent(-twipsToPixels(style.hanging));
        paragraph.setRightMargin(twipsToPixels(app::guide::kPageMarginTwips));
        paragraph.setTopMargin(twipsToPixels(style.spaceBefore));
        paragraph.setBottomMargin(twipsToPixels(style.spaceAfter));
        QTextCharFormat characters;
        characters.setFontPointSize(style.height / kTwipsPerPoint);
        characters.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
        if (first) { // the document's own empty block
            cursor.setBlockFormat(paragraph);
            cursor.setBlockCharFormat(characters);
        } else {
            cursor.insertBlock(paragraph, characters);
        }
        first = false;
        cursor.insertText(qtText(block.text), characters);
    }
}

} // namespace

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
    fill(*page->document());
    page->moveCursor(QTextCursor::Start); // the page opens at its top
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
