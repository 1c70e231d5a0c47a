#pragma once

#include "tests/support/random_session.h"

#include <QString>
#include <QTest>
#include <chrono>
#include <string>
#include <string_view>

// What the random sessions need from QtTest: their UTF-8 text as QString, the planted-fault rows
// and the test function that plays a session.
namespace session {

inline QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline void addPlantedFaultRows()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("why");
    for (const PlantedFault &row : kPlantedFaults)
        QTest::newRow(std::string(row.name).c_str())
            << qt(row.control) << qt(row.fault) << qt(row.rule) << qt(row.why);
}

// The test function of every session: the session with its figures, and every outcome of a
// press reached, so that the session proves something about results.
template <typename Driver> void playRandomSession(int defaultActions, std::chrono::seconds shrinkTime)
{
    const Settings settings = settingsFromEnvironment(defaultActions);
    qInfo("seed %llu, %d actions (ROPECALC_SEED, ROPECALC_ACTIONS)",
        static_cast<unsigned long long>(settings.seed), settings.actions);
    const Report report = run<Driver>(settings, shrinkTime);
    if (!report.failure.empty())
        QFAIL(report.failure.c_str());
    qInfo("%d actions on %d windows in %.1f s, %.0f actions per second", report.performed, report.windows,
        report.seconds, report.performed / report.seconds);
    const Tally &tally = report.tally;
    qInfo("presses: %d factors, %d red warnings, %d messages, %d on a disabled button", tally.factors,
        tally.warnings, tally.messages, tally.disabled);
    QVERIFY(tally.reachedEveryOutcome());
}

} // namespace session
