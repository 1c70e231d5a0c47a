#pragma once

#include "standard/check.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Rope selection without a toolkit: from a job (the load at the rope's end, the hanging or slope
// length, the way the rope runs, the purpose, the work type) to every rope of both methods' tables
// that the calculator would pass, with the rope's own weight over its length added to the load.
// Each rope is judged by the method's own lookup and check, on the texts its read-outs would show.
namespace app::listing {

enum class Method { Traditional, Standard };

// One rope of the tables, by the positions the calculator's controls give them: the class and
// grade buttons of its method's frame (in the order of the method's enums), its core (standard
// only) and the item of its class's diameter list.
struct Rope {
    Method method = Method::Traditional;
    std::size_t ropeClass = 0;
    std::size_t grade = 0;
    std::optional<standard::Core> core; // empty for the traditional method
    int row = 0;
    bool operator==(const Rope &) const = default;
};

// How the rope runs: hanging in a vertical shaft, or pulling conveyances up an inclined shaft or
// a slope, where the gradient and the resistance to motion make up its static tension.
enum class Way { Vertical, Inclined };
inline constexpr std::array<std::string_view, 2> kWayNames { "竖井", "斜井" };
inline constexpr std::string_view kWayTitle = "井筒形式";
// Each method as the selection window's check boxes and the copied job name it.
inline constexpr std::array<std::string_view, 2> kMethodTitles { "传统方法", "标准方法" };

// The inputs' titles, as the window's labels and the copied job give them; the length's depends
// on the way.
inline constexpr std::string_view kLoadTitle = "绳端载荷(kgf)";
inline constexpr std::array<std::string_view, 2> kLengthTitles { "悬垂长度(m)", "斜长(m)" };
inline constexpr std::string_view kAngleTitle = "倾角(°)";
inline constexpr std::string_view kTrackTitle = "容器阻力系数 f1";
inline constexpr std::string_view kDragTitle = "钢丝绳阻力系数 f2";
inline constexpr std::string_view kPurposeTitle = "钢丝绳用途";

// What the user asks: the texts as typed, the work type of the standard method's rows, which
// methods' tables are listed, and the way the rope runs with the inclined inputs, which a
// vertical job leaves aside.
struct Job {
    std::string load; // kgf
    std::string length; // m; empty means 0
    std::string purpose;
    standard::WorkType work = standard::WorkType::Installation;
    bool traditional = true;
    bool standard = true;
    Way way = Way::Vertical;
    std::string angle {}; // degrees from the horizontal
    std::string track {}; // f1: the conveyances' resistance on their track
    std::string drag {}; // f2: the rope's resistance on rollers and floor
};

// An inclined job's two brackets: the end load is multiplied by sin β + f1·cos β, the rope's
// weight by sin β + f2·cos β.
struct Incline {
    double load = 1;
    double rope = 1;
};
Incline inclineOf(double degrees, double track, double drag);

// The rope's static tension at its top (kgf) for an end load (kgf), a weight per 100 m (kg) and a
// length (m): load + weight × length ÷ 100 when vertical; load × k1 + weight × (length ÷ 100) × k2
// when inclined.
double staticTension(double load, double weight, double length, const std::optional<Incline> &incline);

// The longest length, in whole tenths of a metre, at which a rope whose check divides `breaking`
// still passes the required factor under that end load: where the calculator, with the static
// tension typed, shows a factor greater than `required`, and 0.1 m longer it does not. Infinite
// when the rope's weight adds nothing to the tension.
double longestLength(
    double breaking, double required, double load, double weight, const std::optional<Incline> &incline);

enum class Column { Method, Class, Grade, Core, Diameter, Weight, Breaking, Tension, Factor, Longest };
inline constexpr std::size_t kColumnCount = std::size_t(Column::Longest) + 1;
inline constexpr std::array<std::string_view, kColumnCount> kColumnTitles { "方法", "类别", "强度", "绳芯",
    "直径", "每百米重量(kg)", "破断拉力(kgf)", "静拉力(kgf)", "安全系数", "最大长度(m)" };

// A rope that passes, with its cells as the list shows them and the number each is sorted by.
struct Listed {
    Rope rope;
    std::array<std::string, kColumnCount> cells;
    std::array<double, kColumnCount> keys {};
};

// What the listing needs of each rope of the tables, whatever the job: its cells and numbers as
// the calculator's read-outs give them, lightest first. Made once by the window that lists.
struct Entry {
    Rope rope;
    std::string_view ropeClass;
    std::string_view grade;
    std::string_view item;
    std::string weight;
    double weightValue = 0;
    double diameter = 0;
    // The breaking force the check divides, by work type (the traditional check has none).
    std::array<std::optional<double>, standard::kWorkTypeCount> breaking;
};

class Catalogue {
public:
    Catalogue();
    const std::vector<Entry> &entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

struct Listing {
    std::vector<Listed> rows; // lightest first
    // Why no rope could be judged, in words for the user; empty when the job reads.
    std::string_view problem;
};

// Every rope that passes the job, lightest per 100 m first; ties in the order of the windows'
// buttons and lists (traditional first, then class, grade, core and diameter).
Listing listRopes(const Catalogue &catalogue, const Job &job);

// The rows in the order of a column, ascending or descending; rows that tie keep their order.
void sortRows(std::vector<Listed> &rows, Column column, bool descending);

// The line under the list: how many ropes pass, or why none are listed.
std::string statusLine(const Listing &listing);

// The job and the rows with the column titles, tab-separated, one line each, CRLF line ends,
// as a spreadsheet or a word processor pastes it as a table.
std::string copyText(const Job &job, const std::vector<Listed> &rows);

} // namespace app::listing
