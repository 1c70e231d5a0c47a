#pragma once

#include "app/calculator/form1.h"
#include "common/number_format.h"
#include "common/number_reading.h"
#include "listing/rope_listing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

// What a person gets by trying one rope of a job in the calculator by hand, with no toolkit: the
// oracle that rope selection is held to.
namespace trial {

// A rope by the calculator's buttons and list: method, class, grade, core (-1: none), row.
using RopeKey = std::tuple<int, std::size_t, std::size_t, int, int>;

inline RopeKey keyOf(const app::listing::Rope &rope)
{
    return { int(rope.method), rope.ropeClass, rope.grade, rope.core ? int(*rope.core) : -1, rope.row };
}

// Every rope the calculator's buttons and lists offer, whether or not its tables hold data for it.
inline std::vector<RopeKey> everyRope()
{
    std::vector<RopeKey> ropes;
    for (std::size_t c = 0; c < 4; ++c)
        for (std::size_t g = 0; g < 5; ++g) {
            for (std::size_t r = 0; r < app::itemsOf(app::kTraditionalDiameterLists.at(c)).size(); ++r)
                ropes.emplace_back(0, c, g, -1, int(r));
            for (int core = 0; core < 2; ++core)
                for (std::size_t r = 0; r < app::itemsOf(app::kStandardDiameterLists.at(c)).size(); ++r)
                    ropes.emplace_back(1, c, g, core, int(r));
        }
    return ropes;
}

class Calculator final : private app::View {
public:
    Calculator()
        : m_form(*this)
    {
    }
    Calculator(const Calculator &) = delete;
    Calculator &operator=(const Calculator &) = delete;

    app::Form1 &form() { return m_form; }
    bool messaged = false;

private:
    void stateChanged(app::Ref /*control*/) override { }
    void showMessage(std::string_view /*text*/) override { messaged = true; }

    app::Form1 m_form;
};

// The static tension a person works out by hand from the job and the weight per 100 m: in an
// inclined shaft Q·(sin β + f1·cos β) + p·L·(sin β + f2·cos β), with p the weight per metre.
inline double tensionByHand(const app::listing::Job &job, double weight)
{
    const double length = common::wholeNumber(job.length).value_or(0);
    const double load = common::wholeNumber(job.load).value_or(0);
    if (job.way == app::listing::Way::Vertical)
        return load + weight * length / 100;
    const double angle = common::wholeNumber(job.angle).value_or(0) * std::numbers::pi / 180;
    const double f1 = common::wholeNumber(job.track).value_or(0);
    const double f2 = common::wholeNumber(job.drag).value_or(0);
    return load * (std::sin(angle) + f1 * std::cos(angle))
        + weight * (length / 100) * (std::sin(angle) + f2 * std::cos(angle));
}

// The force typed and the purpose picked where the list holds it, typed where not, then "计  算".
inline void pressWith(app::Form1 &w, bool traditional, std::string_view force, std::string_view purpose)
{
    w.type(traditional ? app::kTraditionalForce : app::kStandardForce, force);
    const app::List purposes = traditional ? app::kTraditionalPurpose : app::kStandardPurpose;
    const auto &items = w.items(purposes);
    if (const auto found = std::ranges::find(items, purpose); found != items.end())
        w.pick(purposes, int(found - items.begin()));
    else
        w.type(purposes, purpose);
    w.press(traditional ? app::kTraditionalCommand : app::kStandardCommand);
}

// The rope picked as a person picks it: its buttons (the work type's too for the standard method)
// and its diameter. False when the calculator offers no such rope.
inline bool pickRope(app::Form1 &w, const RopeKey &rope, standard::WorkType work)
{
    const auto [method, ropeClass, grade, core, row] = rope;
    if (method == int(app::listing::Method::Traditional)) {
        w.select(app::kTraditionalClassOptions.at(ropeClass));
        w.select(app::kTraditionalGradeOptions.at(grade));
        if (!w.state(app::kTraditionalGradeOptions.at(grade)).checked)
            return false;
        w.pick(app::kTraditionalDiameterLists.at(ropeClass), row);
        return true;
    }
    w.select(app::kStandardClassOptions.at(ropeClass));
    w.select(app::kCoreOptions.at(std::size_t(core)));
    w.select(app::kStandardGradeOptions.at(grade));
    w.select(app::kWorkOptions.at(std::size_t(work)));
    if (!w.state(app::kStandardGradeOptions.at(grade)).checked
        || !w.state(app::kCoreOptions.at(std::size_t(core))).checked)
        return false;
    w.pick(app::kStandardDiameterLists.at(ropeClass), row);
    return true;
}

// The rope as a person tries it: its buttons, its diameter, the weight per 100 m its read-out
// shows, the static tension by hand typed as the force, the purpose
// picked (or typed where the list lacks it), "计  算". The result box's factor; empty when the
// calculator has no such rope, shows a message or the red warning. The job must read.
inline std::optional<std::string> tryInCalculator(const app::listing::Job &job, const RopeKey &rope)
{
    const auto [method, ropeClass, grade, core, row] = rope;
    Calculator calculator;
    app::Form1 &w = calculator.form();
    const bool traditional = method == int(app::listing::Method::Traditional);
    if (!pickRope(w, rope, job.work))
        return std::nullopt;
    const app::Box weightBox = traditional ? app::text(2) : core == 0 ? app::text(7) : app::text(9);
    const std::optional<double> weight = common::wholeNumber(w.state(weightBox).text);
    if (!weight)
        return std::nullopt;
    pressWith(w, traditional, common::formatGeneral(tensionByHand(job, *weight)), job.purpose);
    const app::ControlState &result = w.state(traditional ? app::kTraditionalResult : app::kStandardResult);
    if (calculator.messaged || result.background == common::kResultRed)
        return std::nullopt;
    return result.text;
}

} // namespace trial
