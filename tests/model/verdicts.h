#pragma once

#include "common/number_format.h"
#include "common/safety_check.h"

#include <QString>

// The three messages, as describe() writes them.
inline const QString kRopeVerdict = QStringLiteral("message: 请选择钢丝绳直径和钢丝绳公称抗拉强度");
inline const QString kForceVerdict = QStringLiteral("message: 请输入钢丝绳受力");
inline const QString kPurposeVerdict = QStringLiteral("message: 请选择钢丝绳用途或输入规程要求倍数");

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
