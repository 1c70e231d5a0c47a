#include "app/result_box.h"

#include "app/message_box.h"
#include "app/qt_text.h"
#include "common/colours.h"

#include <QLineEdit>

namespace app {

namespace {

void setBackground(QLineEdit *box, common::Rgb colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(colour.red, colour.green, colour.blue));
    box->setPalette(palette);
}

} // namespace

void clearResult(QLineEdit *result)
{
    result->setText(QString());
    whitenResult(result);
}

void whitenResult(QLineEdit *result)
{
    setBackground(result, common::kResultWhite);
}

void showVerdict(
    QWidget *window, QLineEdit *result, const common::Verdict &verdict, std::string (*format)(double))
{
    if (const auto *message = std::get_if<common::Message>(&verdict)) {
        showMessage(window, qtText(message->text));
    } else if (const auto *passed = std::get_if<common::Passed>(&verdict)) {
        result->setText(qtText(format(passed->factor)));
    } else {
        setBackground(result, common::kResultRed);
        result->setText(qtText(common::kTooWeakText));
    }
}

} // namespace app
