#include "app/calculator/form1.h"

#include "app/calculator/bindings.h"
#include "app/calculator/presentation.h"
#include "common/purpose_table.h"
#include "standard/rope_tables.h"
#include "traditional/rope_tables.h"

namespace app {

namespace {

bool readOnly(Ref box)
{
    const ControlSpec *row = specOf(box);
    return row != nullptr && row->style == Style::ReadOnly;
}

} // namespace

std::vector<std::string_view> itemsOf(List list)
{
    std::vector<std::string_view> items;
    if (const auto rank = rankIn(kTraditionalDiameterLists, list)) {
        for (const traditional::Row &row : traditional::tableOf(traditional::RopeClass(*rank)).rows)
            items.push_back(row.item);
    } else if (const auto rank = rankIn(kStandardDiameterLists, list)) {
        standard::withTable(standard::RopeClass(*rank), [&items](auto rows) {
            for (const auto &row : rows)
                items.push_back(row.item);
        });
    }
    for (const PurposeListSpec &purposes : kPurposeLists)
        if (purposes.combo == list)
            for (std::size_t i = 0; i < purposes.count; ++i)
                items.push_back(common::kPurposes.at(i).text);
    return items;
}

Controls::Controls(View &view)
    : m_view(view)
{
    for (std::size_t kind = 0; kind < kKindCount; ++kind)
        m_controls.at(kind).resize(std::size_t(highestNumber(Kind(kind))) + 1);
}

const ControlState &Controls::state(Ref control) const
{
    return m_controls.at(std::size_t(control.kind)).at(std::size_t(control.number));
}

ControlState &Controls::at(Ref control)
{
    return m_controls.at(std::size_t(control.kind)).at(std::size_t(control.number));
}

// Writing the text it already holds is no change, so it runs no handler.
void Controls::setText(Box box, std::string_view text)
{
    if (update(box, &ControlState::text, std::string(text)))
        raise(box, Event::Change);
}

// Only the user's typing runs a list's change handler.
void Controls::clearList(List list)
{
    ControlState &held = at(list);
    if (held.text.empty() && held.item == -1)
        return;
    held.text.clear();
    held.item = -1;
    m_view.stateChanged(list);
}

void Controls::setChecked(OptionButton option)
{
    if (checked(option))
        return;
    for (int other : optionGroup(option.number))
        if (other != option.number)
            clear(app::option(other));
    update(option, &ControlState::checked, true);
    raise(option, Event::Click);
}

void Controls::clear(OptionButton option)
{
    update(option, &ControlState::checked, false);
}

void Controls::setEnabled(Ref control, bool enabled)
{
    update(control, &ControlState::enabled, enabled);
}

void Controls::setBackground(Box box, common::Rgb colour)
{
    update(box, &ControlState::background, std::optional(colour));
}

template <typename T> bool Controls::update(Ref control, T ControlState::*property, T value)
{
    T &held = at(control).*property;
    if (held == value)
        return false;
    held = std::move(value);
    m_view.stateChanged(control);
    return true;
}

void Controls::raise(Ref control, Event event)
{
    const Binding *binding = bindingOf(control, event);
    if (binding == nullptr)
        return;
    ++m_running;
    if (m_watcher)
        m_watcher(*binding);
    binding->run(*this);
    --m_running;
}

Form1::Form1(View &view)
    : m_controls(view)
{
    m_items.resize(std::size_t(highestNumber(Kind::Combo)) + 1);
    for (int n = 1; n < int(m_items.size()); ++n)
        m_items.at(std::size_t(n)) = itemsOf(combo(n));
}

void Form1::select(OptionButton option)
{
    if (takesInput(option))
        m_controls.setChecked(option);
}

void Form1::pick(List list, int item)
{
    if (!takesInput(list) || item < 0 || std::size_t(item) >= items(list).size())
        return;
    ControlState &picked = m_controls.at(list);
    picked.item = item;
    picked.text = items(list).at(std::size_t(item));
    m_controls.m_view.stateChanged(list);
    m_controls.raise(list, Event::Click);
}

void Form1::type(Box box, std::string_view text)
{
    if (takesInput(box) && !readOnly(box))
        m_controls.setText(box, text);
}

void Form1::type(List list, std::string_view text)
{
    if (!takesInput(list) || !m_controls.update(list, &ControlState::text, std::string(text)))
        return;
    if (text.empty())
        m_controls.update(list, &ControlState::item, -1);
    m_controls.raise(list, Event::Change);
}

void Form1::press(Button button)
{
    if (!takesInput(button))
        return;
    m_lastPressed = button;
    m_controls.raise(button, Event::Click);
}

} // namespace app
