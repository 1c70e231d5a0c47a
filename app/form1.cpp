#include "app/form1.h"

#include "app/control_table.h"
#include "app/qt_text.h"
#include "app/twips.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace app {

namespace {

// The dialog font of the window's design. Where it is missing, the fallbacks are CJK faces
// that, like it, give Latin letters and digits half the width of a Chinese character, so
// captions such as "1470kN/mm2" still fit their boxes.
QFont dialogFont()
{
    QFont font;
    font.setFamilies({ QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun"),
        QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("WenQuanYi Zen Hei Mono"),
        QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback") });
    font.setPointSize(9);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qtText(kWindowCaption));
    setFont(dialogFont());
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    buildControls();
    wire();
}

QWidget *Form1::widget(Ref ref)
{
    switch (ref.kind) {
    case Kind::Frame:
        return ref.number == 0 ? static_cast<QWidget *>(this) : frame(ref.number);
    case Kind::Label:
        return label(ref.number);
    case Kind::Option:
        return option(ref.number);
    case Kind::Combo:
        return combo(ref.number);
    case Kind::Text:
        return text(ref.number);
    case Kind::Command:
        return command(ref.number);
    }
    return nullptr;
}

std::optional<int> Form1::selectedAmong(int first, int last) const
{
    for (int n = first; n <= last; ++n)
        if (option(n)->isChecked())
            return n - first;
    return std::nullopt;
}

} // namespace app
