#pragma once

#include "common/number_format.h"
#include "common/safety_check.h"

#include <QString>

// A check's verdict as one line of text, so that data-driven rows can state it plainly:
// "message: <text>", "passed: <factor as formatted>" or "too weak".
inline QString describe(const common::Verdict &verdict, std::string (*format)(double))
{
    if (const auto *message = std::get_if<common::Message>(&verdict))
        return QStringLiteral("message: ")
            + QString::fromUtf8(message->text.data(), qsizetype(message->text.size()));
    if (const auto *passed = std::get_if<common::Passed>(&verdict))
        return QStringLiteral("passed: ") + QString::fromStdString(format(passed->factor));
    return QStringLiteral("too weak");
}
