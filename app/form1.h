#pragma once

// The calculator window without a toolkit. It holds two calculators, the traditional method in
// Frame1 above and the standard method in Frame7 below, and no state but its controls'.
//
// How data flows: a front end reports only what the user did (select an option, pick an item,
// the field's new text after typing, press a button). Form1 changes the control's state and runs
// the handler bound to it (bindings.h). A class pick enables one diameter list and one "计  算"
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

#include "app/bindings.h"
#include "app/control_table.h"
#include "common/colours.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
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
std::vector<std::string_view> itemsOf(int combo);

class Form1 {
public:
    explicit Form1(View &view);

    // What the user did. An input a disabled or read-only control cannot take is ignored, and
    // so is one that arrives while a handler runs (say, under its message box).
    void select(int option);
    void pick(int combo, int item);
    void type(Ref field, std::string_view text); // the whole new text of TextN or ComboN's field
    void press(int command);

    const ControlState &state(Ref control) const;
    const std::vector<std::string_view> &items(int combo) const { return m_items.at(std::size_t(combo)); }

    // Sees every handler as it starts; tests watch the handlers run through this.
    void watch(std::function<void(const Binding &)> watcher) { m_watcher = std::move(watcher); }
    // Puts a control into a state without running anything or telling the view: for tests of
    // states that no flow of input reaches, such as a class chosen in both frames.
    void preset(Ref control, ControlState state) { at(control) = std::move(state); }

    // For the handlers.
    const std::string &text(Ref box) const { return state(box).text; }
    int item(int combo) const { return state(Ref { Kind::Combo, combo }).item; }
    bool checked(int option) const { return state(Ref { Kind::Option, option }).checked; }
    // The position within `group` of its selected option button, if one is.
    std::optional<std::size_t> selectedIn(std::span<const int> group) const;
    // The same as the choice it stands for: the group's buttons are in the order of T's values.
    template <typename T> std::optional<T> choiceIn(std::span<const int> group) const
    {
        const std::optional<std::size_t> rank = selectedIn(group);
        return rank ? std::optional(T(*rank)) : std::nullopt;
    }
    void setText(int box, std::string_view text);
    void clearList(int combo);
    void setChecked(int option);
    void clear(int option);
    void setEnabled(Ref control, bool enabled);
    void setBackground(int box, common::Rgb colour);
    void message(std::string_view text) { m_view.showMessage(text); }

private:
    ControlState &at(Ref control);
    void changed(Ref control) { m_view.stateChanged(control); }
    // Sets one property of a control and tells the view, if the value is new; whether it was.
    template <typename T> bool update(Ref control, T ControlState::*property, T value);
    void raise(Ref control, Event event);

    View &m_view;
    // Indexed by kind, then by the control's number; number 0 of the frames is the window.
    std::array<std::vector<ControlState>, kKindCount> m_controls;
    std::vector<std::vector<std::string_view>> m_items;
    std::function<void(const Binding &)> m_watcher;
    int m_running = 0; // handlers running, nested ones included
};

} // namespace app
