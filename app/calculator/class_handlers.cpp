#include "app/calculator/control_table.h"
#include "app/calculator/form1.h"
#include "app/calculator/handlers.h"
#include "standard/check.h"
#include "standard/rope_tables.h"

namespace app {

// A class picked in either frame also makes that frame's method the active one: only its
// diameter list and its "计  算" stay enabled, the other frame's class is cleared, and every
// read-out of both methods is emptied, so that nothing from the earlier choice stays on screen.

namespace {

void enableOnlyDiameterList(Controls &form, List list)
{
    for (List n : kDiameterLists)
        form.setEnabled(n, n == list);
}

// Emptying the breaking forces (Text4, Text10, Text11) empties each method's result through
// their change handlers.
void emptyReadouts(Controls &form)
{
    for (Box box : kReadouts)
        form.setText(box, {});
}

} // namespace

void pickTraditionalClass(Controls &form, std::size_t rank)
{
    const OptionButton chosen = kTraditionalClassOptions.at(rank);
    if (!form.checked(chosen))
        return;
    form.setEnabled(kTraditionalCommand, true);
    form.setEnabled(kStandardCommand, false);
    for (OptionButton n : kTraditionalClassOptions)
        if (n != chosen)
            form.clear(n);
    for (OptionButton n : kStandardClassOptions)
        form.clear(n);
    enableOnlyDiameterList(form, kTraditionalDiameterLists.at(rank));
    for (List n : kTraditionalDiameterLists)
        form.clearList(n);
    emptyReadouts(form);
}

void pickStandardClass(Controls &form, std::size_t rank)
{
    const OptionButton chosen = kStandardClassOptions.at(rank);
    if (!form.checked(chosen))
        return;
    const auto ropeClass = standard::RopeClass(rank);
    form.setEnabled(kTraditionalCommand, false);
    form.setEnabled(kStandardCommand, true);
    // Each runs its own handler when it was not selected yet: the other core's read-outs and
    // the result are emptied.
    form.setChecked(kCoreOptions.at(std::size_t(standard::Core::Fibre)));
    form.setChecked(kWorkOptions.at(std::size_t(standard::WorkType::Installation)));
    // Only the cores and grades the class is made in can be chosen (18×7＋1: fibre core only, and
    // the only class in 1470). A grade selected before stays selected; the lookup then shows no
    // breaking force.
    for (std::size_t core = 0; core < kCoreOptions.size(); ++core)
        form.setEnabled(kCoreOptions.at(core), standard::madeWith(ropeClass, standard::Core(core)));
    for (OptionButton n : kTraditionalClassOptions)
        form.clear(n);
    for (OptionButton n : kStandardClassOptions)
        if (n != chosen)
            form.clear(n);
    enableOnlyDiameterList(form, kStandardDiameterLists.at(rank));
    for (std::size_t grade = 0; grade < kStandardGradeOptions.size(); ++grade) {
        const bool made = standard::madeIn(ropeClass, standard::Grade(grade));
        form.setEnabled(kStandardGradeOptions.at(grade), made);
        form.setEnabled(kStandardGradeLabels.at(grade), made);
    }
    for (List n : kStandardDiameterLists)
        form.clearList(n);
    emptyReadouts(form);
}

} // namespace app
