#include "listing/rope_listing.h"
#include "tests/support/calculator_trial.h"
#include "tests/support/reference.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>

namespace {

const app::listing::Catalogue catalogue;
const std::vector<trial::RopeKey> ropes = trial::everyRope();

} // namespace

// An input is "load|length|purpose", the texts of the three inputs, or
// "load|length|purpose|angle|f1|f2" for an inclined job; its length chooses the work type. A job
// that does not read lists nothing. One that does lists exactly the ropes
// the calculator passes with that factor: a sample of the ropes that changes with the input is
// tried there (all of them take too long for each input).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = fuzz::textOf(data, size);
    const auto texts = fuzz::fields(text, 6);
    const bool inclined = std::ranges::count(text, '|') >= 3;
    const app::listing::Job job { std::string(texts[0]), std::string(texts[1]), std::string(texts[2]),
        size % 2 == 0 ? standard::WorkType::Installation : standard::WorkType::MineConstruction, true, true,
        inclined ? app::listing::Way::Inclined : app::listing::Way::Vertical, std::string(texts[3]),
        std::string(texts[4]), std::string(texts[5]) };
    const app::listing::Listing listing = app::listing::listRopes(catalogue, job);
    fuzz::require(
        listing.problem.empty() || listing.rows.empty(), "listing: no rows for a job that does not read");
    if (!listing.problem.empty())
        return 0;
    std::map<trial::RopeKey, std::string> listed;
    for (const app::listing::Listed &row : listing.rows)
        listed.emplace(trial::keyOf(row.rope), row.cells.at(std::size_t(app::listing::Column::Factor)));
    fuzz::require(listed.size() == listing.rows.size(), "listing: each rope once");
    for (std::size_t i = 0; i < ropes.size(); ++i) {
        if (i % 29 != size % 29)
            continue;
        const auto found = listed.find(ropes[i]);
        const std::optional<std::string> shown = trial::tryInCalculator(job, ropes[i]);
        fuzz::require(shown.has_value() == (found != listed.end()),
            "listing: listed exactly when the calculator passes");
        if (shown)
            fuzz::require(*shown == found->second, "listing: the calculator's factor");
    }
    return 0;
}
