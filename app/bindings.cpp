#include "app/bindings.h"

#include "app/form1.h"
#include "app/handlers.h"

namespace app {

// Every handler once: the control, the event and the name it answers to, then what it does. A
// change of an input of a check (a read-out it reads, the force, the purpose, the work type)
// empties that check's result.
const std::array<Binding, 40> kBindings { {
    { option(1), Event::Click, "Option1_Click", [](Form1 &form) { pickTraditionalClass(form, 0); } },
    { option(2), Event::Click, "Option2_Click", [](Form1 &form) { pickTraditionalClass(form, 1); } },
    { option(3), Event::Click, "Option3_Click", [](Form1 &form) { pickTraditionalClass(form, 2); } },
    { option(4), Event::Click, "Option4_Click", [](Form1 &form) { pickTraditionalClass(form, 3); } },
    { option(5), Event::Click, "Option5_Click", [](Form1 &form) { pickTraditionalGrade(form); } },
    { option(6), Event::Click, "Option6_Click", [](Form1 &form) { pickTraditionalGrade(form); } },
    { option(7), Event::Click, "Option7_Click", [](Form1 &form) { pickTraditionalGrade(form); } },
    { option(8), Event::Click, "Option8_Click", [](Form1 &form) { pickTraditionalGrade(form); } },
    { option(9), Event::Click, "Option9_Click", [](Form1 &form) { pickTraditionalGrade(form); } },
    { combo(1), Event::Click, "Combo1_Click", [](Form1 &form) { lookUpTraditional(form, 0); } },
    { combo(2), Event::Click, "Combo2_Click", [](Form1 &form) { lookUpTraditional(form, 1); } },
    { combo(3), Event::Click, "Combo3_Click", [](Form1 &form) { lookUpTraditional(form, 2); } },
    { command(1), Event::Click, "Command1_Click", [](Form1 &form) { checkTraditional(form); } },
    { combo(5), Event::Click, "Combo5_Click", [](Form1 &form) { clearResult(form, kTraditionalResult); } },
    { combo(5), Event::Change, "Combo5_Change", [](Form1 &form) { clearResult(form, kTraditionalResult); } },
    { text(4), Event::Change, "Text4_Change", [](Form1 &form) { clearResult(form, kTraditionalResult); } },
    { text(5), Event::Change, "Text5_Change", [](Form1 &form) { clearResult(form, kTraditionalResult); } },

    { option(10), Event::Click, "Option10_Click", [](Form1 &form) { pickStandardClass(form, 0); } },
    { option(11), Event::Click, "Option11_Click", [](Form1 &form) { pickStandardClass(form, 1); } },
    { option(12), Event::Click, "Option12_Click", [](Form1 &form) { pickStandardClass(form, 2); } },
    { option(13), Event::Click, "Option13_Click", [](Form1 &form) { pickStandardClass(form, 3); } },
    { option(14), Event::Click, "Option14_Click", [](Form1 &form) { pickStandardGrade(form); } },
    { option(15), Event::Click, "Option15_Click", [](Form1 &form) { pickStandardGrade(form); } },
    { option(16), Event::Click, "Option16_Click", [](Form1 &form) { pickStandardGrade(form); } },
    { option(17), Event::Click, "Option17_Click", [](Form1 &form) { pickStandardGrade(form); } },
    { option(18), Event::Click, "Option18_Click", [](Form1 &form) { pickStandardGrade(form); } },
    { option(19), Event::Click, "Option19_Click", [](Form1 &form) { pickFibreCore(form); } },
    { option(20), Event::Click, "Option20_Click", [](Form1 &form) { pickSteelCore(form); } },
    { option(21), Event::Click, "Option21_Click", [](Form1 &form) { clearResult(form, kStandardResult); } },
    { option(22), Event::Click, "Option22_Click", [](Form1 &form) { clearResult(form, kStandardResult); } },
    { combo(6), Event::Click, "Combo6_Click", [](Form1 &form) { lookUpStandard(form, 0); } },
    { combo(7), Event::Click, "Combo7_Click", [](Form1 &form) { lookUpStandard(form, 1); } },
    { combo(8), Event::Click, "Combo8_Click", [](Form1 &form) { lookUpStandard(form, 2); } },
    { combo(9), Event::Click, "Combo9_Click", [](Form1 &form) { lookUpStandard(form, 3); } },
    { command(2), Event::Click, "Command2_Click", [](Form1 &form) { checkStandard(form); } },
    { combo(10), Event::Click, "Combo10_Click", [](Form1 &form) { clearResult(form, kStandardResult); } },
    { combo(10), Event::Change, "Combo10_Change", [](Form1 &form) { clearResult(form, kStandardResult); } },
    { text(10), Event::Change, "Text10_Change", [](Form1 &form) { clearResult(form, kStandardResult); } },
    { text(11), Event::Change, "Text11_Change", [](Form1 &form) { clearResult(form, kStandardResult); } },
    { text(12), Event::Change, "Text12_Change", [](Form1 &form) { clearResult(form, kStandardResult); } },
} };

const Binding *bindingOf(Ref control, Event event)
{
    for (const Binding &binding : kBindings)
        if (binding.control == control && binding.event == event)
            return &binding;
    return nullptr;
}

} // namespace app
