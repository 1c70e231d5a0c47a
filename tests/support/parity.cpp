#include "common/number_format.h"
#include "common/number_reading.h"
#include "common/purpose_table.h"
#include "standard/check.h"
#include "standard/lookup.h"
#include "tests/support/reference.h"
#include "traditional/check.h"
#include "traditional/lookup.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

// What the number code and both methods give on fixed inputs, one line per case, so that two
// builds of them (Linux and Windows) can be compared byte for byte: every fuzz seed put through
// what its target exercises, then every row of every rope table through both lookups and both
// checks. Usage: parity <the fuzz corpus folder, tests/fuzz/corpus>
namespace {

using Format = std::string (*)(double);

// The shortest text that reads back as the very same double.
std::string exact(double value)
{
    std::array<char, 32> buffer {};
    const std::to_chars_result written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return { buffer.data(), written.ptr };
}

// The double as the round-trip text and as the product's general format.
std::string both(std::optional<double> value)
{
    return value ? exact(*value) + "/" + common::formatGeneral(*value) : "none";
}

// Input bytes in quotes, printable ASCII as itself and every other byte as \xNN. Also escaped:
// the characters that would split or nest a CMake list, so the comparing script can take lines.
std::string escaped(std::string_view bytes)
{
    std::string text = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && std::string_view("\\\";[]").find(c) == std::string_view::npos) {
            text += c;
        } else {
            constexpr std::string_view hex = "0123456789abcdef";
            text += "\\x";
            text += hex[byte >> 4];
            text += hex[byte & 0xf];
        }
    }
    return text + "\"";
}

std::string shown(const common::Verdict &verdict, Format format)
{
    if (const auto *passed = std::get_if<common::Passed>(&verdict))
        return format(passed->factor);
    if (std::holds_alternative<common::TooWeak>(verdict))
        return "weak";
    const std::string_view message = std::get<common::Message>(verdict).text;
    if (message == common::kEnterForceMessage)
        return "enter-force";
    if (message == common::kChooseRopeMessage)
        return "choose-rope";
    if (message == common::kChoosePurposeMessage)
        return "choose-purpose";
    return escaped(message);
}

// The purpose box's texts every check line is tried with: each purpose of the list, a typed
// factor, a small typed factor that most ropes pass, nothing, and a number that is not one.
const std::vector<std::string_view> &purposes()
{
    static const std::vector<std::string_view> texts = [] {
        std::vector<std::string_view> all;
        for (const common::Purpose &purpose : common::kPurposes)
            all.push_back(purpose.text);
        all.insert(all.end(), { "4.5", "0.01", "", "3,5" });
        return all;
    }();
    return texts;
}

// One check line: the verdict under every purpose, shown as the result box shows it, then the
// exact factor of the first pass.
template <typename Check> void printChecks(const std::string &head, Format format, Check check)
{
    std::string line = head + ":";
    std::optional<double> factor;
    for (const std::string_view purpose : purposes()) {
        const common::Verdict verdict = check(purpose);
        if (const auto *passed = std::get_if<common::Passed>(&verdict); passed && !factor)
            factor = passed->factor;
        // Appended piece by piece: g++ 12 warns wrongly (-Wrestrict) about " " + std::string.
        line += ' ';
        line += purpose.empty() ? "(empty)" : purpose;
        line += '=';
        line += shown(verdict, format);
    }
    if (factor)
        line += " factor=" + exact(*factor);
    std::cout << line << '\n';
}

// The forces each picked rope is checked with: one most ropes pass, one with more digits, one
// most ropes fail. The odd forces are tried on one rope of each method.
constexpr std::array<std::string_view, 3> kForces { "2000", "333.3", "1e7" };
constexpr std::array<std::string_view, 12> kOddForces { "0", "", "  ", "12kg", "-5", "1e-320", "inf", "1e400",
    " 2000 ", "2,000", "0x10", "-0" };

// The seed inputs of one fuzz target, by name.
std::vector<std::pair<std::string, std::string>> seeds(
    const std::filesystem::path &corpus, const char *target)
{
    std::vector<std::pair<std::string, std::string>> inputs;
    for (const auto &entry : std::filesystem::directory_iterator(corpus / target)) {
        std::ifstream file(entry.path(), std::ios::binary);
        inputs.emplace_back(std::string(target) + "/" + entry.path().filename().string(),
            std::string(std::istreambuf_iterator<char>(file), {}));
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty())
        throw std::runtime_error("no seed inputs in " + (corpus / target).string());
    return inputs;
}

// The buttons from the letters of a standard_check seed, as tests/fuzz/fuzz_standard_check.cpp
// reads them: a class digit 1 to 4, "f" or "s" for the core, "i" or "m" for the work; first counts.
standard::Choices choicesFrom(std::string_view letters)
{
    standard::Choices choices;
    if (const std::size_t at = letters.find_first_of("1234"); at != std::string_view::npos)
        choices.ropeClass = standard::RopeClass(letters[at] - '1');
    if (const std::size_t at = letters.find_first_of("fs"); at != std::string_view::npos)
        choices.core = letters[at] == 'f' ? standard::Core::Fibre : standard::Core::Steel;
    if (const std::size_t at = letters.find_first_of("im"); at != std::string_view::npos)
        choices.work
            = letters[at] == 'i' ? standard::WorkType::Installation : standard::WorkType::MineConstruction;
    return choices;
}

void printSeeds(const std::filesystem::path &corpus)
{
    for (const char *target : { "leading_number", "whole_number" })
        for (const auto &[name, bytes] : seeds(corpus, target))
            std::cout << "seed " << name << " " << escaped(bytes)
                      << ": leading=" << both(common::leadingNumber(bytes))
                      << " whole=" << both(common::wholeNumber(bytes)) << '\n';
    for (const char *target : { "format_general", "format_two_decimals" }) {
        for (const auto &[name, bytes] : seeds(corpus, target)) {
            const auto values
                = fuzz::valuesOf(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
            std::cout << "seed " << name << " " << escaped(bytes) << ":";
            for (const char *kind : { " text=", " bits=" }) {
                const double value = values[kind[1] == 't' ? 0 : 1];
                std::cout << kind << exact(value) << " general=" << common::formatGeneral(value)
                          << " two=" << common::formatTwoDecimals(value);
            }
            std::cout << '\n';
        }
    }
    for (const auto &[name, bytes] : seeds(corpus, "traditional_check")) {
        const auto boxes = fuzz::fields(bytes, 3);
        const common::Verdict verdict = traditional::check(boxes[0], boxes[1], boxes[2]);
        const auto *passed = std::get_if<common::Passed>(&verdict);
        std::cout << "seed " << name << " " << escaped(bytes) << ": " << shown(verdict, common::formatGeneral)
                  << (passed ? " factor=" + exact(passed->factor) : "") << '\n';
    }
    for (const auto &[name, bytes] : seeds(corpus, "standard_check")) {
        const auto parts = fuzz::fields(bytes, 5);
        const common::Verdict verdict
            = standard::check(parts[1], parts[2], parts[3], parts[4], choicesFrom(parts[0]));
        const auto *passed = std::get_if<common::Passed>(&verdict);
        std::cout << "seed " << name << " " << escaped(bytes) << ": "
                  << shown(verdict, common::formatTwoDecimals)
                  << (passed ? " factor=" + exact(passed->factor) : "") << '\n';
    }
}

constexpr std::array<const char *, 4> kClassNames { "6x19", "6x37", "6x61", "18x7" };

std::string orDash(const std::optional<std::string> &text)
{
    return text.value_or("-");
}

void printTraditional()
{
    using traditional::Grade;
    constexpr std::array<std::optional<Grade>, 6> grades { std::nullopt, Grade::Kg140, Grade::Kg155,
        Grade::Kg170, Grade::Kg185, Grade::Kg200 };
    constexpr std::array<const char *, 6> gradeNames { "none", "kg140", "kg155", "kg170", "kg185", "kg200" };
    for (std::size_t c = 0; c < kClassNames.size(); ++c) {
        const auto ropeClass = traditional::RopeClass(c);
        const std::span<const traditional::Row> rows = traditional::tableOf(ropeClass).rows;
        if (rows.empty()) // 18×7＋1: its list offers nothing, and its table has no row 0
            std::cout << "trad lookup " << kClassNames[c]
                      << " r0: " << (traditional::lookup(ropeClass, 0, Grade::Kg155) ? "some" : "none")
                      << '\n';
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (std::size_t g = 0; g < grades.size(); ++g) {
                const std::string pick = std::string(kClassNames[c]) + " r" + std::to_string(r) + " "
                    + std::string(rows[r].item) + " " + gradeNames[g];
                const std::optional<traditional::Readouts> shown
                    = traditional::lookup(ropeClass, int(r), grades[g]);
                std::cout << "trad lookup " << pick << ": area=" << shown->area << " weight=" << shown->weight
                          << " total=" << (shown->forces ? shown->forces->total : "-")
                          << " rope=" << (shown->forces ? shown->forces->rope : "-") << '\n';
                if (!shown->forces)
                    continue;
                const std::string &breaking = shown->forces->rope;
                for (const std::string_view force : kForces)
                    printChecks("trad check " + pick + " rope=" + breaking + " force=" + std::string(force),
                        common::formatGeneral, [&](std::string_view purpose) {
                            return traditional::check(breaking, force, purpose);
                        });
                if (c != 0 || r != 9 || g != 2) // the odd forces on 6×19＋1 φ20.0 155 kg/mm2
                    continue;
                for (const std::string_view force : kOddForces)
                    printChecks("trad check " + pick + " rope=" + breaking + " force=" + escaped(force),
                        common::formatGeneral, [&](std::string_view purpose) {
                            return traditional::check(breaking, force, purpose);
                        });
            }
        }
    }
}

void printStandard()
{
    using standard::Core;
    using standard::Grade;
    using standard::WorkType;
    constexpr std::array<std::optional<Grade>, 6> grades { std::nullopt, Grade::N1470, Grade::N1570,
        Grade::N1670, Grade::N1770, Grade::N1870 };
    constexpr std::array<const char *, 6> gradeNames { "none", "n1470", "n1570", "n1670", "n1770", "n1870" };
    for (std::size_t c = 0; c < kClassNames.size(); ++c) {
        const auto ropeClass = standard::RopeClass(c);
        standard::withTable(ropeClass, [&](auto table) {
            for (std::size_t r = 0; r < table.size(); ++r) {
                for (const Core core : { Core::Fibre, Core::Steel }) {
                    for (std::size_t g = 0; g < grades.size(); ++g) {
                        const std::string pick = std::string(kClassNames[c]) + " r" + std::to_string(r) + " "
                            + std::string(table[r].item) + (core == Core::Fibre ? " fibre " : " steel ")
                            + gradeNames[g];
                        const standard::Readouts shown = standard::lookup(ropeClass, int(r), core, grades[g]);
                        std::cout << "std lookup " << pick << ": natural=" << orDash(shown.naturalFibreWeight)
                                  << " synthetic=" << orDash(shown.syntheticFibreWeight)
                                  << " steel=" << orDash(shown.steelWeight)
                                  << " fibre-breaking=" << orDash(shown.fibreBreaking)
                                  << " steel-breaking=" << orDash(shown.steelBreaking) << '\n';
                        // The other core's boxes were emptied when this core was picked.
                        const std::string fibre = shown.fibreBreaking.value_or("");
                        const std::string steel = shown.steelBreaking.value_or("");
                        if (fibre.empty() && steel.empty())
                            continue;
                        const auto checkLine = [&](std::string_view force, const standard::Choices &choices,
                                                   const std::string &head) {
                            printChecks(head, common::formatTwoDecimals, [&](std::string_view purpose) {
                                return standard::check(fibre, steel, force, purpose, choices);
                            });
                        };
                        for (const WorkType work : { WorkType::Installation, WorkType::MineConstruction }) {
                            const char *workName = work == WorkType::Installation ? " install" : " mine";
                            for (const std::string_view force : kForces)
                                checkLine(force, { ropeClass, core, work },
                                    "std check " + pick + workName + " force=" + std::string(force));
                        }
                        if (c != 0 || r != 14 || core != Core::Fibre || g != 3) // 6×19＋1 φ20 fibre 1670
                            continue;
                        for (const std::string_view force : kOddForces)
                            checkLine(force, { ropeClass, core, WorkType::Installation },
                                "std check " + pick + " install force=" + escaped(force));
                        checkLine("2000", { std::nullopt, core, WorkType::MineConstruction },
                            "std check " + pick + " mine, no class, force=2000");
                        checkLine("2000", { ropeClass, std::nullopt, WorkType::Installation },
                            "std check " + pick + " install, no core, force=2000");
                        checkLine("2000", { ropeClass, core, std::nullopt },
                            "std check " + pick + " no work, force=2000");
                    }
                }
            }
        });
    }
}

} // namespace

int main(int argc, char **argv)
{
#ifdef _WIN32
    // No CRLF for LF, so that the output compares byte for byte with the Linux build's.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (argc != 2) {
        std::cerr << "usage: parity <fuzz corpus folder>\n";
        return 2;
    }
    try {
        printSeeds(argv[1]);
    } catch (const std::exception &error) {
        std::cerr << "parity: " << error.what() << '\n';
        return 1;
    }
    printTraditional();
    printStandard();
    std::cout.flush();
    return std::cout ? 0 : 1;
}
