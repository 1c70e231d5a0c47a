#include "app/calculator/form1.h"
#include "app/calculator/handlers.h"
#include "common/colours.h"

#include <variant>

namespace app {

void clearResult(Controls &form, Box box)
{
    form.setText(box, {});
    form.setBackground(box, common::kResultWhite);
}

// A message leaves the box as it was; a factor leaves its background alone.
void showVerdict(Controls &form, Box box, const common::Verdict &verdict, std::string (*format)(double))
{
    if (const auto *message = std::get_if<common::Message>(&verdict)) {
        form.message(message->text);
    } else if (const auto *passed = std::get_if<common::Passed>(&verdict)) {
        form.setText(box, format(passed->factor));
    } else {
        form.setBackground(box, common::kResultRed);
        form.setText(box, common::kTooWeakText);
    }
}

} // namespace app
