#include "app/calculator/bindings.h"

#include "app/calculator/form1.h"
#include "app/calculator/handlers.h"

namespace app {

// Every handler once: the control and the event it answers, then what it does. A change of an
// input of a check (a read-out it reads, the force, the purpose, the work type) empties that
// check's result.
const std::array<Binding, 40> kBindings { {
    { option(1), Event::Click, [](Controls &form) { pickTraditionalClass(form, 0); } },
    { option(2), Event::Click, [](Controls &form) { pickTraditionalClass(form, 1); } },
    { option(3), Event::Click, [](Controls &form) { pickTraditionalClass(form, 2); } },
    { option(4), Event::Click, [](Controls &form) { pickTraditionalClass(form, 3); } },
    { option(5), Event::Click, [](Controls &form) { pickTraditionalGrade(form); } },
    { option(6), Event::Click, [](Controls &form) { pickTraditionalGrade(form); } },
    { option(7), Event::Click, [](Controls &form) { pickTraditionalGrade(form); } },
    { option(8), Event::Click, [](Controls &form) { pickTraditionalGrade(form); } },
    { option(9), Event::Click, [](Controls &form) { pickTraditionalGrade(form); } },
    { combo(1), Event::Click, [](Controls &form) { lookUpTraditional(form, 0); } },
    { combo(2), Event::Click, [](Controls &form) { lookUpTraditional(form, 1); } },
    { combo(3), Event::Click, [](Controls &form) { lookUpTraditional(form, 2); } },
    { command(1), Event::Click, [](Controls &form) { checkTraditional(form); } },
    { combo(5), Event::Click, [](Controls &form) { clearResult(form, kTraditionalResult); } },
    { combo(5), Event::Change, [](Controls &form) { clearResult(form, kTraditionalResult); } },
    { text(4), Event::Change, [](Controls &form) { clearResult(form, kTraditionalResult); } },
    { text(5), Event::Change, [](Controls &form) { clearResult(form, kTraditionalResult); } },

    { option(10), Event::Click, [](Controls &form) { pickStandardClass(form, 0); } },
    { option(11), Event::Click, [](Controls &form) { pickStandardClass(form, 1); } },
    { option(12), Event::Click, [](Controls &form) { pickStandardClass(form, 2); } },
    { option(13), Event::Click, [](Controls &form) { pickStandardClass(form, 3); } },
    { option(14), Event::Click, [](Controls &form) { pickStandardGrade(form); } },
    { option(15), Event::Click, [](Controls &form) { pickStandardGrade(form); } },
    { option(16), Event::Click, [](Controls &form) { pickStandardGrade(form); } },
    { option(17), Event::Click, [](Controls &form) { pickStandardGrade(form); } },
    { option(18), Event::Click, [](Controls &form) { pickStandardGrade(form); } },
    { option(19), Event::Click, [](Controls &form) { pickFibreCore(form); } },
    { option(20), Event::Click, [](Controls &form) { pickSteelCore(form); } },
    { option(21), Event::Click, [](Controls &form) { clearResult(form, kStandardResult); } },
    { option(22), Event::Click, [](Controls &form) { clearResult(form, kStandardResult); } },
    { combo(6), Event::Click, [](Controls &form) { lookUpStandard(form, 0); } },
    { combo(7), Event::Click, [](Controls &form) { lookUpStandard(form, 1); } },
    { combo(8), Event::Click, [](Controls &form) { lookUpStandard(form, 2); } },
    { combo(9), Event::Click, [](Controls &form) { lookUpStandard(form, 3); } },
    { command(2), Event::Click, [](Controls &form) { checkStandard(form); } },
    { combo(10), Event::Click, [](Controls &form) { clearResult(form, kStandardResult); } },
    { combo(10), Event::Change, [](Controls &form) { clearResult(form, kStandardResult); } },
    { text(10), Event::Change, [](Controls &form) { clearResult(form, kStandardResult); } },
    { text(11), Event::Change, [](Controls &form) { clearResult(form, kStandardResult); } },
    { text(12), Event::Change, [](Controls &form) { clearResult(form, kStandardResult); } },
} };

const Binding *bindingOf(Ref control, Event event)
{
    for (const Binding &binding : kBindings)
        if (binding.control == control && binding.event == event)
            return &binding;
    return nullptr;
}

std::string nameOf(const Binding &binding)
{
    std::string name(kKindNames.at(std::size_t(binding.control.kind)));
    name += std::to_string(binding.control.number);
    name += binding.event == Event::Click ? "_Click" : "_Change";
    return name;
}

} // namespace app
