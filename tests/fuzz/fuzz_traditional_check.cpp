#include "common/number_format.h"
#include "tests/fuzz/check_reference.h"
#include "traditional/check.h"

#include <cstddef>
#include <cstdint>

namespace {

// The breaking force in kg divided by the force in kg, read from the boxes as they stand.
common::Verdict expected(std::string_view breaking, std::string_view force, std::string_view purpose)
{
    if (fuzz::leadingNumber(breaking) == 0)
        return common::Message { common::kChooseRopeMessage };
    return fuzz::expectedVerdict(fuzz::wholeNumber(breaking), force, purpose);
}

} // namespace

// An input is "breaking force|force on the rope|purpose", the texts of the three boxes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto boxes = fuzz::fields(fuzz::textOf(data, size), 3);
    const common::Verdict verdict = traditional::check(boxes[0], boxes[1], boxes[2]);
    if (const std::optional<double> factor
        = fuzz::requireSameVerdict(verdict, expected(boxes[0], boxes[1], boxes[2])))
        fuzz::checkGeneralFormat(*factor, common::formatGeneral(*factor));
    return 0;
}
