#pragma once

// The calculator window without a toolkit. It holds two calculators, the traditional method in
// Frame1 above and the standard method in Frame7 below, and no state but its controls'.
//
// How data flows: a front end reports only what the user did (select an option, pick an item,
// the field's new text after typing, press a button) to Form1, and reads the controls' state
// back. Form1 changes the control's state and runs the handler bound to it (bindings.h), which
// reads and writes the controls through Controls; neither a front end nor a handler reaches
// the other's side. A class pick enables one diameter list and one "计  算"
// and empties every read-out; a grade or core pick empties the diameter lists and the read-outs
// that hang on them; a diameter pick reads the class's rope table by the picked item's position
// and writes the read-outs; every change of a check's input empties that method's result box;
// "计  算" reads the read-outs and inputs back from the boxes and writes only the result box, or
// asks for a message. Every change of state is told to the front end at once, so what it shows
// is current whenever a message box opens.
//
// When handlers run: a handler that writes a box a different text runs that box's change
// handler nested; selecting an option button clears the others of its frame, which runs
// nothing, then runs its click handler nested; re-selecting the selected one runs nothing;
// clearing a list's text or changing an enabled flag runs nothing; a disabled control takes no
// input.

#include "app/calculator/bindings.h"
#include "app/calculator/control_table.h"
#include "common/colours.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// What a handler can read or write of one control. Captions, places and list items are fixed
// by the control table.
struct ControlState {
    std::string text; // a box's text or a list's edit field
    int item = -1; // a list's selected item; -1 for none
    bool checked = false; // an option button's selection
    bool enabled = true;
    std::optional<common::Rgb> background; // a box's colour; empty for the toolkit's default
};

// What a front end does for the window.
class View {
public:
    // The control's state changed: show it now.
    virtual void stateChanged(Ref control) = 0;
    // A modal message box with the text, one OK button, no icon and the window's caption;
    // returns once the user has closed it.
    virtual void showMessage(std::string_view text) = 0;

protected:
    View() = default;
    ~View() = default;
    View(const View &) = default;
    View &operator=(const View &) = default;
};

// The items of a list, in display order: the diameters of its class's rope table, or the
// purposes it offers.
std::vector<std::string_view> itemsOf(List list);

namespace testing {
struct Seam; // what tests reach that no view or handler may: tests/support/form_seam.h
} // namespace testing

// The controls as the handlers see them: what they read, and what they write under the rules of
// when handlers run.
class Controls {
public:
    const ControlState &state(Ref control) const;
    const std::string &text(Box box) const { return state(box).text; }
    const std::string &text(List list) const { return state(list).text; } // its field
    int item(List list) const { return state(list).item; }
    bool checked(OptionButton option) const { return state(option).checked; }
    // The choice a group's selected option button stands for: its buttons are in the order of
    // T's values.
    template <typename T, std::size_t N>
    std::optional<T> choiceIn(const std::array<OptionButton, N> &group) const
    {
        for (std::size_t k = 0; k < N; ++k)
            if (checked(group[k]))
                return T(k);
        return std::nullopt;
    }

    void setText(Box box, std::string_view text);
    void clearList(List list);
    void setChecked(OptionButton option);
    void clear(OptionButton option);
    void setEnabled(Ref control, bool enabled);
    void setBackground(Box box, common::Rgb colour);
    void message(std::string_view text) { m_view.showMessage(text); }

private:
    friend class Form1;
    friend struct testing::Seam;

    explicit Controls(View &view); // made by the window it belongs to
    ControlState &at(Ref control);
    // Sets one property of a control and tells the view, if the value is new; whether it was.
    template <typename T> bool update(Ref control, T ControlState::*property, T value);
    void raise(Ref control, Event event);

    View &m_view;
    // Indexed by kind, then by the control's number; number 0 of the frames is the window.
    std::array<std::vector<ControlState>, kKindCount> m_controls;
    // Sees every handler as it starts.
    std::function<void(const Binding &)> m_watcher;
    int m_running = 0; // handlers running, nested ones included
};

// The window as a front end sees it: what the user did goes in, the controls' state comes out,
// and every change of it is told to the view.
class Form1 {
public:
    explicit Form1(View &view);

    // What the user did. An input a disabled or read-only control cannot take is ignored, and
    // so is one that arrives while a handler runs (say, under its message box).
    void select(OptionButton option);
    void pick(List list, int item);
    void type(Box box, std::string_view text); // the whole new text
    void type(List list, std::string_view text); // the whole new text of the list's field
    void press(Button button);

    const ControlState &state(Ref control) const { return m_controls.state(control); }
    // The button pressed last that took the press, if any: which frame's calculation a sheet is of.
    std::optional<Button> lastPressed() const { return m_lastPressed; }
    // A handler runs, say under its message box: no input is taken until it ends.
    bool busy() const { return m_controls.m_running != 0; }
    const std::vector<std::string_view> &items(List list) const
    {
        return m_items.at(std::size_t(list.number));
    }

private:
    friend struct testing::Seam;

    bool takesInput(Ref control) const { return !busy() && state(control).enabled; }

    Controls m_controls;
    std::vector<std::vector<std::string_view>> m_items;
    std::optional<Button> m_lastPressed;
};

} // namespace app
