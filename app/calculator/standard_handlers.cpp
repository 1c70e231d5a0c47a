#include "app/calculator/control_table.h"
#include "app/calculator/form1.h"
#include "app/calculator/handlers.h"
#include "common/colours.h"
#include "common/number_format.h"
#include "standard/check.h"
#include "standard/lookup.h"

namespace app {

namespace {

void emptyLists(Controls &form)
{
    for (List n : kStandardDiameterLists)
        form.clearList(n);
}

} // namespace

// A new grade invalidates every read-out: the user picks the diameter again.
void pickStandardGrade(Controls &form)
{
    emptyLists(form);
    for (Box n : kStandardReadouts)
        form.setText(n, {});
    form.setBackground(kStandardResult, common::kResultWhite);
}

// A core pick empties the other core's read-outs and the lists: the user picks the diameter
// again. The new core's read-outs are empty already, as only the selected core's are written.
void pickFibreCore(Controls &form)
{
    for (Box n : kSteelReadouts)
        form.setText(n, {});
    emptyLists(form);
}

void pickSteelCore(Controls &form)
{
    for (Box n : kFibreReadouts)
        form.setText(n, {});
    emptyLists(form);
}

// A diameter pick: the result no longer belongs to the rope on screen, then the read-outs of the
// selected core. Those the picked rope has no value for are emptied: before a class is chosen
// every list is open, and a rope picked earlier in another list must not leave its values beside
// this one.
void lookUpStandard(Controls &form, std::size_t rank)
{
    clearResult(form, kStandardResult);
    const std::optional<standard::Core> core = form.choiceIn<standard::Core>(kCoreOptions);
    if (!core)
        return;
    const standard::Readouts shown
        = standard::lookup(standard::RopeClass(rank), form.item(kStandardDiameterLists.at(rank)), core,
            form.choiceIn<standard::Grade>(kStandardGradeOptions));
    const auto write = [&form](Box box, const std::optional<std::string> &value) {
        form.setText(box, value.value_or(std::string()));
    };
    if (*core == standard::Core::Fibre) {
        write(kFibreReadouts[0], shown.naturalFibreWeight);
        write(kFibreReadouts[1], shown.syntheticFibreWeight);
        write(kFibreReadouts[2], shown.fibreBreaking);
    } else {
        write(kSteelReadouts[0], shown.steelWeight);
        write(kSteelReadouts[1], shown.steelBreaking);
    }
}

void checkStandard(Controls &form)
{
    const standard::Choices choices { form.choiceIn<standard::RopeClass>(kStandardClassOptions),
        form.choiceIn<standard::Core>(kCoreOptions), form.choiceIn<standard::WorkType>(kWorkOptions) };
    const common::Verdict verdict = standard::check(form.text(kFibreBreaking), form.text(kSteelBreaking),
        form.text(kStandardForce), form.text(kStandardPurpose), choices);
    showVerdict(form, kStandardResult, verdict, common::formatTwoDecimals);
}

} // namespace app
