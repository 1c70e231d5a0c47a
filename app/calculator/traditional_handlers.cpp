#include "app/calculator/control_table.h"
#include "app/calculator/form1.h"
#include "app/calculator/handlers.h"
#include "common/colours.h"
#include "common/number_format.h"
#include "traditional/check.h"
#include "traditional/lookup.h"

namespace app {

// A new grade invalidates every read-out: the user picks the diameter again.
void pickTraditionalGrade(Controls &form)
{
    for (List n : kTraditionalDiameterLists)
        form.clearList(n);
    for (Box n : kTraditionalReadouts)
        form.setText(n, {});
    form.setBackground(kTraditionalResult, common::kResultWhite);
}

// Each diameter list reads its own class's table by the picked item's position. Without a grade
// only area and weight are known, and the breaking forces keep their text.
void lookUpTraditional(Controls &form, std::size_t rank)
{
    clearResult(form, kTraditionalResult);
    const std::optional<traditional::Readouts> shown
        = traditional::lookup(traditional::RopeClass(rank), form.item(kTraditionalDiameterLists.at(rank)),
            form.choiceIn<traditional::Grade>(kTraditionalGradeOptions));
    if (!shown)
        return;
    form.setText(kTraditionalReadouts[0], shown->area);
    form.setText(kTraditionalReadouts[1], shown->weight);
    if (shown->forces) {
        form.setText(kTraditionalReadouts[2], shown->forces->total);
        form.setText(kTraditionalReadouts[3], shown->forces->rope);
    }
}

void checkTraditional(Controls &form)
{
    const common::Verdict verdict = traditional::check(
        form.text(kTraditionalBreaking), form.text(kTraditionalForce), form.text(kTraditionalPurpose));
    showVerdict(form, kTraditionalResult, verdict, common::formatGeneral);
}

} // namespace app
