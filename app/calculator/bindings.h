#pragma once

#include "app/calculator/control_table.h"

#include <array>
#include <string>

namespace app {

class Controls;

// A click: an option button becomes selected, an item is picked from a list, a button is
// pressed. A change: a box's text changes, or the user types in a list's field.
enum class Event { Click, Change };

// One handler: the control and event it answers, and what it does.
struct Binding {
    Ref control;
    Event event;
    void (*run)(Controls &form);
};

// Every handler of the window. Controls and events not listed react to nothing.
extern const std::array<Binding, 40> kBindings;

// The handler of the control's event, or none.
const Binding *bindingOf(Ref control, Event event);

// The name the handler answers to, from its control and event: "Combo10_Change".
std::string nameOf(const Binding &binding);

} // namespace app
