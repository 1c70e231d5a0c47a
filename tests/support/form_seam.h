#pragma once

#include "app/calculator/bindings.h"
#include "app/calculator/form1.h"

#include <array>
#include <cstddef>
#include <functional>
#include <utility>

// What tests reach of the window's model that no front end or handler may: the controls as
// handlers write them, every handler as it starts, and states no flow of input reaches.
namespace app::testing {

struct Seam {
    static Controls &controls(Form1 &form) { return form.m_controls; }
    static void watch(Form1 &form, std::function<void(const Binding &)> watcher)
    {
        form.m_controls.m_watcher = std::move(watcher);
    }
    // Puts a control into a state without running anything or telling the view, such as a class
    // chosen in both frames.
    static void preset(Form1 &form, Ref control, ControlState state)
    {
        form.m_controls.at(control) = std::move(state);
    }
};

// The numbers of a group's controls, as tests index their own records of the screen.
template <Kind K, std::size_t N> constexpr std::array<int, N> numbers(const std::array<Control<K>, N> &group)
{
    std::array<int, N> plain {};
    for (std::size_t k = 0; k < N; ++k)
        plain.at(k) = group.at(k).number;
    return plain;
}

} // namespace app::testing
