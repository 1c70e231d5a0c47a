#include "traditional/check.h"

#include "common/number_reading.h"

namespace traditional {

common::Verdict check(std::string_view breaking, std::string_view force, std::string_view purpose)
{
    if (common::leadingNumber(breaking) == 0)
        return common::Message { common::kChooseRopeMessage };
    return common::judge(common::wholeNumber(breaking), force, purpose);
}

} // namespace traditional
