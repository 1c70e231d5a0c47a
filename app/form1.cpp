#include "app/form1.h"

#include "app/bindings.h"
#include "app/presentation.h"
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

std::vector<std::string_view> itemsOf(int combo)
{
    std::vector<std::string_view> items;
    if (const auto rank = rankIn(kTraditionalDiameterLists, combo)) {
        for (const traditional::Row &row : traditional::tableOf(traditional::RopeClass(*rank)).rows)
            items.push_back(row.item);
    } else if (const auto rank = rankIn(kStandardDiameterLists, combo)) {
        standard::withTable(standard::RopeClass(*rank), [&items](auto rows) {
            for (const auto &row : rows)
                items.push_back(row.item);
        });
    }
    for (const PurposeListSpec &list : kPurposeLists)
        if (list.combo == combo)
            for (std::size_t i = 0; i < list.count; ++i)
                items.push_back(common::kPurposes.at(i).text);
    return items;
}

Form1::Form1(View &view)
    : m_view(view)
{
    for (std::size_t kind = 0; kind < kKindCount; ++kind)
        m_controls.at(kind).resize(std::size_t(highestNumber(Kind(kind))) + 1);
    m_items.resize(std::size_t(highestNumber(Kind::Combo)) + 1);
    for (int combo = 1; combo < int(m_items.size()); ++combo)
        m_items.at(std::size_t(combo)) = itemsOf(combo);
}

const ControlState &Form1::state(Ref control) const
{
    return m_controls.at(std::size_t(control.kind)).at(std::size_t(control.number));
}

ControlState &Form1::at(Ref control)
{
    return m_controls.at(std::size_t(control.kind)).at(std::size_t(control.number));
}

void Form1::select(int option)
{
    if (m_running == 0 && state(Ref { Kind::Option, option }).enabled)
        setChecked(option);
}

void Form1::pick(int combo, int item)
{
    const Ref list { Kind::Combo, combo };
    if (m_running != 0 || !state(list).enabled || item < 0 || std::size_t(item) >= items(combo).size())
        return;
    ControlState &picked = at(list);
    picked.item = item;
    picked.text = items(combo).at(std::size_t(item));
    changed(list);
    raise(list, Event::Click);
}

void Form1::type(Ref field, std::string_view text)
{
    if (m_running != 0 || !state(field).enabled || (field.kind != Kind::Text && field.kind != Kind::Combo))
        return;
    if (field.kind == Kind::Text) {
        if (!readOnly(field))
            setText(field.number, text);
        return;
    }
    if (!update(field, &ControlState::text, std::string(text)))
        return;
    if (text.empty())
        update(field, &ControlState::item, -1);
    raise(field, Event::Change);
}

void Form1::press(int command)
{
    const Ref button { Kind::Command, command };
    if (m_running == 0 && state(button).enabled)
        raise(button, Event::Click);
}

std::optional<std::size_t> Form1::selectedIn(std::span<const int> group) const
{
    for (std::size_t k = 0; k < group.size(); ++k)
        if (checked(group[k]))
            return k;
    return std::nullopt;
}

// Writing the text it already holds is no change, so it runs no handler.
void Form1::setText(int box, std::string_view text)
{
    const Ref ref { Kind::Text, box };
    if (update(ref, &ControlState::text, std::string(text)))
        raise(ref, Event::Change);
}

// Only the user's typing runs a list's change handler.
void Form1::clearList(int combo)
{
    const Ref ref { Kind::Combo, combo };
    ControlState &list = at(ref);
    if (list.text.empty() && list.item == -1)
        return;
    list.text.clear();
    list.item = -1;
    changed(ref);
}

void Form1::setChecked(int option)
{
    const Ref ref { Kind::Option, option };
    if (checked(option))
        return;
    for (int other : optionGroup(option))
        if (other != option)
            clear(other);
    update(ref, &ControlState::checked, true);
    raise(ref, Event::Click);
}

void Form1::clear(int option)
{
    update(Ref { Kind::Option, option }, &ControlState::checked, false);
}

void Form1::setEnabled(Ref control, bool enabled)
{
    update(control, &ControlState::enabled, enabled);
}

void Form1::setBackground(int box, common::Rgb colour)
{
    update(Ref { Kind::Text, box }, &ControlState::background, std::optional(colour));
}

template <typename T> bool Form1::update(Ref control, T ControlState::*property, T value)
{
    T &held = at(control).*property;
    if (held == value)
        return false;
    held = std::move(value);
    changed(control);
    return true;
}

void Form1::raise(Ref control, Event event)
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

} // namespace app
