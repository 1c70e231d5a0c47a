#pragma once

class QComboBox;
class QRadioButton;

// What the handlers do to controls beyond plain Qt calls. Neither runs any handler.
namespace app {

// Clears an option button without selecting another of its frame. Qt refuses to uncheck the
// checked button of an exclusive group, so exclusivity is lifted for the moment.
void clearSelection(QRadioButton *button);

// Empties a list's edit field and leaves no item of it selected.
void clearText(QComboBox *list);

} // namespace app
