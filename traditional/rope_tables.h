#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// The rope tables of the traditional method, for wires graded in kg/mm2. Areas are the total
// cross-section of the wires in mm2, weights are kg per 100 m of rope, breaking forces are kg
// (kilogram-force). Each table has one row per item of its class's diameter list, in list
// order; the lookup goes by the picked item's position, never by its text.
namespace traditional {

enum class Grade { Kg140, Kg155, Kg170, Kg185, Kg200 };
inline constexpr std::size_t kGradeCount = std::size_t(Grade::Kg200) + 1;
// Each grade as the calculator's labels and the rope listing show it.
inline constexpr std::array<std::string_view, kGradeCount> kGradeNames { "140kg/mm2", "155kg/mm2",
    "170kg/mm2", "185kg/mm2", "200kg/mm2" };

struct BreakingForce {
    int total; // all the wires together, close to area × grade
    int rope; // the laid rope: what the check divides by the force on it
};

struct Row {
    std::string_view item; // the diameter as its list shows it
    double area;
    double weight;
    BreakingForce kg140;
    BreakingForce kg155;
    BreakingForce kg170;
    BreakingForce kg185;
};

struct RopeTable {
    std::span<const Row> rows;
    // Ropes of 200 kg/mm2 wire are made only in the smaller diameters, so this column is
    // shorter than the table: row r has a value only while r < kg200.size().
    std::span<const BreakingForce> kg200;
};

// The catalogue values, written as the read-outs show them, each row after its list item.
// Nothing is derived from area and grade at run time. A cell the catalogue prints stronger than
// its own area and grade allow is mended where it stands, with the reason; cells printed weaker
// than the relations give err on the safe side and are kept as printed.

inline constexpr std::array<Row, 21> k6x19Rows { {
    // clang-format off
    { "φ6.2",    14.32,  13.53, {   2000,   1700 }, {   2210,   1880 }, {   2430,   2060 }, {   2640,   2240 } },
    { "φ7.7",    22.37,  21.14, {   3130,   2660 }, {   3460,   2940 }, {   3800,   3230 }, {   4130,   3520 } },
    { "φ9.3",    32.22,  30.45, {   4510,   3830 }, {   4990,   4240 }, {   5470,   4650 }, {   5960,   5070 } },
    { "φ11.0",   43.85,  41.4,  {   6130,   5210 }, {   6790,   5770 }, {   7450,   6330 }, {   8110,   6890 } },
    { "φ12.5",   57.27,  54.12, {   8010,   6810 }, {   8870,   7530 }, {   9730,   8270 }, {  10550,   8970 } },
    { "φ14.0",   72.49,  68.5,  {  10100,   8620 }, {  11200,   9520 }, {  12300,  10450 }, {  13400,  11420 } },
    { "φ15.5",   89.49,  84.57, {  12500,  10600 }, {  13850,  11780 }, {  15200,  12900 }, {  16550,  14070 } },
    { "φ17.0",  108.28, 102.3,  {  15150,  12850 }, {  16750,  14250 }, {  18400,  15600 }, {  20000,  17000 } },
    { "φ18.5",  128.87, 121.8,  {  18000,  15300 }, {  19950,  16950 }, {  21900,  18600 }, {  23800,  20200 } },
    // 185 rope: the catalogue prints 24700, 0.88 × its total and stronger than the wires allow.
    // Every regular cell is 0.85 × its total, rounded down to 50: 0.85 × 27950 = 23757.5, so 23750.
    { "φ20.0",  151.24, 142.9,  {  21150,  17950 }, {  23400,  19890 }, {  25700,  21850 }, {  27950,  23750 } },
    { "φ21.5",  175.4,  165.8,  {  24550,  20850 }, {  27150,  23000 }, {  29800,  25300 }, {  32400,  27700 } },
    { "φ23.0",  201.35, 190.3,  {  28150,  23950 }, {  31200,  26500 }, {  34200,  29050 }, {  37200,  31600 } },
    { "φ24.5",  229.09, 216.5,  {  32050,  27250 }, {  35500,  30150 }, {  38900,  33100 }, {  42350,  36000 } },
    { "φ26.0",  258.63, 244.4,  {  36200,  30750 }, {  40050,  34000 }, {  43950,  37350 }, {  47800,  40700 } },
    { "φ28.0",  289.95, 274,    {  40550,  34500 }, {  44900,  38000 }, {  49250,  41850 }, {  53600,  45600 } },
    // 185 rope: the catalogue prints 58200, 0.88 × its total. 0.85 × 66200 = 56270, rounded down to
    // 50 is 56250, midway between the 170 and 200 ropes (51700, 60800) as in the rest of the row.
    { "φ31.0",  357.96, 338.3,  {  50100,  42550 }, {  55450,  47100 }, {  60850,  51700 }, {  66200,  56250 } },
    { "φ34.0",  433.13, 409.3,  {  60600,  51500 }, {  67100,  57000 }, {  73600,  62550 }, {  80100,  68100 } },
    { "φ37.0",  515.46, 487.1,  {  72150,  61300 }, {  79850,  67800 }, {  87600,  74450 }, {  95350,  81000 } },
    { "φ40.0",  604.95, 571.7,  {  84650,  71950 }, {  93750,  79750 }, { 102500,  87400 }, { 111500,  94300 } },
    { "φ43.0",  701.6,  663,    {  98200,  83450 }, { 108500,  92250 }, { 119000, 101000 }, { 129500, 110000 } },
    { "φ46.0",  805.41, 761.1,  { 112500,  95850 }, { 124500, 104100 }, { 136500, 116000 }, { 149000, 126800 } },
    // clang-format on
} };

inline constexpr std::array<BreakingForce, 16> k6x19Kg200 { {
    // clang-format off
    {   2860,   2430 }, {   4470,   3800 }, {   6440,   5470 }, {   8770,   7450 }, // φ6.2 to φ11.0
    {  11450,   9730 }, {  14450,  12300 }, {  17850,  15200 }, {  21650,  18400 }, // φ12.5 to φ17.0
    {  25750,  21900 }, {  30200,  25700 }, {  35050,  30150 }, {  40250,  34250 }, // φ18.5 to φ23.0
    {  45800,  38950 }, {  51700,  44000 }, {  57950,  49300 }, {  71550,  60800 }, // φ24.5 to φ31.0
    // clang-format on
} };

inline constexpr RopeTable k6x19 { k6x19Rows, k6x19Kg200 };

inline constexpr std::array<Row, 21> k6x37Rows { {
    // clang-format off
    { "φ8.7",    27.88,   26.21, {   3900,   3000 }, {   4320,   3540 }, {   4730,   3880 }, {   5150,   4225 } },
    { "φ11.0",   43.57,   40.96, {   6090,   5000 }, {   6750,   5530 }, {   7400,   6070 }, {   8060,   6600 } },
    { "φ13.0",   62.74,   58.98, {   8780,   7200 }, {   9720,   7970 }, {  10650,   8740 }, {  11600,   9510 } },
    { "φ15.0",   85.39,   80.27, {  11950,   9800 }, {  13200,  10820 }, {  14500,  11900 }, {  15750,  12900 } },
    { "φ17.5",  111.53,  104.8,  {  15600,  12800 }, {  17250,  14130 }, {  18950,  15500 }, {  20600,  16900 } },
    { "φ19.5",  141.16,  132.7,  {  19750,  16200 }, {  21850,  17920 }, {  23960,  19650 }, {  26100,  21400 } },
    { "φ21.5",  174.27,  163.8,  {  24350,  20000 }, {  27000,  22300 }, {  29680,  24250 }, {  32200,  26400 } },
    { "φ24.0",  210.87,  198.2,  {  29500,  24200 }, {  32650,  26730 }, {  35800,  29350 }, {  39000,  32000 } },
    { "φ26.0",  250.95,  235.9,  {  35100,  28800 }, {  38850,  31920 }, {  42650,  34950 }, {  46400,  38000 } },
    { "φ28.0",  294.52,  276.8,  {  41200,  33800 }, {  45650,  37400 }, {  50050,  41050 }, {  54450,  44600 } },
    { "φ30.0",  341.57,  321.1,  {  47800,  39200 }, {  52900,  43400 }, {  58050,  47600 }, {  63150,  51700 } },
    { "φ32.5",  392.11,  368.6,  {  54850,  45000 }, {  60750,  49800 }, {  66650,  54650 }, {  72500,  59400 } },
    { "φ34.5",  446.13,  419.4,  {  62450,  51200 }, {  69150,  56700 }, {  75800,  62150 }, {  82500,  66700 } },
    { "φ36.5",  503.64,  473.4,  {  70500,  57800 }, {  78050,  63900 }, {  85600,  70200 }, {  93150,  76300 } },
    // 185 total: the catalogue prints 10400, which has lost a zero. Area × 185 is 104456.55,
    // and above 100000 this column is rounded down to a multiple of 500, so 104000.
    { "φ39.0",  564.63,  530.8,  {  79000,  64800 }, {  87500,  71750 }, {  95950,  78700 }, { 104000,  85250 } },
    { "φ43.0",  697.08,  655.3,  {  97550,  80000 }, { 108000,  88600 }, { 118500,  97150 }, { 128500, 105300 } },
    { "φ47.5",  843.47,  792.9,  { 118000,  96800 }, { 130500, 107000 }, { 143000, 117500 }, { 156000, 128000 } },
    { "φ52.0", 1003.8,   943.6,  { 140500, 115000 }, { 155500, 127600 }, { 170500, 139500 }, { 185500, 152000 } },
    { "φ56.0", 1178.07, 1107.4,  { 164500, 135000 }, { 182500, 149700 }, { 200000, 164000 }, { 217500, 178000 } },
    { "φ60.5", 1366.28, 1284.3,  { 191000, 156500 }, { 211500, 173000 }, { 232000, 190000 }, { 252500, 209000 } },
    { "φ65.0", 1568.43, 1474.3,  { 219500, 180000 }, { 243000, 199200 }, { 266500, 218500 }, { 290000, 237600 } },
    // clang-format on
} };

inline constexpr std::array<BreakingForce, 16> k6x37Kg200 { {
    // clang-format off
    {   5570,   4570 }, {   8710,   7140 }, {  12500,  10250 }, {  17050,  14000 }, // φ8.7 to φ15.0
    {  22300,  18250 }, {  28200,  23150 }, {  34850,  28850 }, {  42150,  34350 }, // φ17.5 to φ24.0
    {  50150,  41100 }, {  58900,  48300 }, {  68300,  56000 }, {  78400,  64200 }, // φ26.0 to φ32.5
    {  89200,  73100 }, { 100500,  82500 }, { 112500,  92300 }, { 139000, 113900 }, // φ34.5 to φ43.0
    // clang-format on
} };

inline constexpr RopeTable k6x37 { k6x37Rows, k6x37Kg200 };

inline constexpr std::array<Row, 21> k6x61Rows { {
    // clang-format off
    { "φ11.0",   45.97,   43.21, {   6430,   5144 }, {   7120,   5696 }, {   7810,   6248 }, {   8500,   6800 } },
    { "φ14.0",   71.83,   67.52, {  10050,   8040 }, {  11100,   8880 }, {  12200,   9760 }, {  13250,  10600 } },
    { "φ16.5",  103.43,   97.22, {  14450,  11560 }, {  16000,  12800 }, {  17550,  14040 }, {  19100,  15280 } },
    { "φ19.5",  140.78,  132.3,  {  19700,  15760 }, {  21800,  17440 }, {  23900,  19120 }, {  26000,  20800 } },
    { "φ22.0",  183.88,  172.8,  {  25700,  20560 }, {  28500,  22800 }, {  31250,  25000 }, {  34000,  27200 } },
    { "φ25.0",  232.72,  218.8,  {  32550,  26040 }, {  36050,  28840 }, {  39550,  31640 }, {  43050,  34440 } },
    { "φ27.5",  287.31,  270.1,  {  40200,  32160 }, {  44500,  35600 }, {  48800,  39040 }, {  53150,  42520 } },
    { "φ30.5",  347.65,  326.8,  {  48650,  39120 }, {  53850,  43080 }, {  59100,  47280 }, {  64300,  51440 } },
    { "φ33.0",  413.73,  388.9,  {  57900,  46320 }, {  64100,  51280 }, {  70300,  56240 }, {  76500,  61200 } },
    { "φ36.0",  485.55,  456.4,  {  67950,  54360 }, {  75250,  60200 }, {  82500,  66000 }, {  89800,  71840 } },
    { "φ38.5",  563.13,  529.3,  {  78800,  63040 }, {  87250,  69800 }, {  95700,  76560 }, { 104000,  83200 } },
    { "φ41.5",  646.45,  607.7,  {  90500,  72400 }, { 100000,  80000 }, { 109500,  87600 }, { 119500,  95600 } },
    { "φ44.0",  735.51,  691.4,  { 102500,  82000 }, { 114000,  91200 }, { 125000, 100000 }, { 136000, 108800 } },
    { "φ47.0",  830.33,  780.5,  { 116000,  92800 }, { 128500, 102800 }, { 141000, 112800 }, { 153500, 122800 } },
    { "φ50.0",  930.88,  875,    { 130000, 104000 }, { 144000, 115200 }, { 158000, 126400 }, { 172000, 137600 } },
    { "φ55.5", 1149.24, 1080.3,  { 160500, 128400 }, { 178000, 142400 }, { 195000, 156000 }, { 212500, 170000 } },
    { "φ61.0", 1390.58, 1307.1,  { 194500, 155600 }, { 215500, 172400 }, { 236000, 188800 }, { 257000, 205600 } },
    { "φ66.5", 1654.91, 1555.6,  { 231500, 185200 }, { 256500, 205200 }, { 281000, 224800 }, { 306000, 244800 } },
    { "φ72.0", 1942.22, 1825.7,  { 271500, 217200 }, { 301000, 240800 }, { 330000, 264000 }, { 359000, 287200 } },
    { "φ77.5", 2252.51, 2117.4,  { 315000, 252000 }, { 349000, 279200 }, { 382500, 306000 }, { 416500, 333200 } },
    { "φ83.0", 2585.79, 2430.6,  { 362000, 289600 }, { 400500, 320400 }, { 439500, 331600 }, { 478000, 382400 } },
    // clang-format on
} };

inline constexpr std::array<BreakingForce, 15> k6x61Kg200 { {
    // clang-format off
    {   9190,   7352 }, {  14350,  11480 }, {  20650,  16520 }, {  28150,  22520 }, // φ11.0 to φ19.5
    {  36750,  29400 }, {  46500,  37200 }, {  57450,  45960 }, {  69500,  55600 }, // φ22.0 to φ30.5
    // φ36.0 rope: the catalogue prints 68680, weaker than the 185 grade of the same rope
    // (71840). Every regular cell of this table is 0.80 × its total: 0.80 × 97100 = 77680.
    {  82700,  66160 }, {  97100,  77680 }, { 112500,  90000 }, { 129000, 103200 }, // φ33.0 to φ41.5
    // φ44.0 to φ50.0: the catalogue prints this column one row late at its end (166000, 186000,
    // 229500), 12 to 23 % above area × 200; the values are those of φ47.0, φ50.0 and φ55.5. Shifted
    // back: φ47.0 and φ50.0 take the totals printed a row below, and φ44.0 is 735.51 × 200 =
    // 147102 rounded down to 500, as its neighbours are. Each rope is 0.80 × its total.
    { 147000, 117600 }, { 166000, 132800 }, { 186000, 148800 },                     // φ44.0 to φ50.0
    // clang-format on
} };

inline constexpr RopeTable k6x61 { k6x61Rows, k6x61Kg200 };

// The rope classes of the method, in the order of their buttons and lists. 18×7＋1 has no
// traditional data: its list offers nothing.
enum class RopeClass { C6x19, C6x37, C6x61, C18x7 };
inline constexpr std::size_t kRopeClassCount = std::size_t(RopeClass::C18x7) + 1;
// Each class as the calculator's labels and the rope listing show it: U+00D7 and the full-width
// plus U+FF0B.
inline constexpr std::array<std::string_view, kRopeClassCount> kRopeClassNames { "6×19＋1", "6×37＋1",
    "6×61＋1", "18×7＋1" };

constexpr RopeTable tableOf(RopeClass ropeClass)
{
    switch (ropeClass) {
    case RopeClass::C6x19:
        return k6x19;
    case RopeClass::C6x37:
        return k6x37;
    case RopeClass::C6x61:
        return k6x61;
    case RopeClass::C18x7:
        break;
    }
    return {};
}

// The cells above that the catalogue prints wrongly and the tables hold mended, each with what the
// catalogue prints and why it is wrong, in the words of the guide's section on mended cells: a
// calculation sheet footnotes a read-out that comes from one of them.
enum class Force { Total, Rope }; // a row's total breaking force, or the laid rope's
struct MendedCell {
    RopeClass ropeClass;
    int row;
    Grade grade;
    Force force;
    int printed;
    int mended;
    std::string_view reason;
};

// The catalogue prints the 200 kg/mm2 column of 6×61＋1 one row late at its end; the reason holds
// for the total and the rope of all three rows.
inline constexpr std::string_view kShiftedColumn
    = "原表的三个总破断拉力比面积 × 200 大 13 %、12 %、23 %：该列在末尾错后了一行，φ44.0 印的是 φ47.0 "
      "的值（830.33 × 200 = 166066），φ47.0 印的是 φ50.0 的值（930.88 × 200 = 186176），φ50.0 印的是 "
      "φ55.5 的值（1149.24 × 200 = 229848）。";

inline constexpr std::array<MendedCell, 10> kMendedCells { {
    { RopeClass::C6x19, 9, Grade::Kg185, Force::Rope, 24700, 23750,
        "24700 是总破断拉力 27950 的 0.88 倍，比关系给出的大 4.0 %。" },
    { RopeClass::C6x19, 15, Grade::Kg185, Force::Rope, 58200, 56250,
        "58200 是总破断拉力 66200 的 0.88 倍，大 3.4 %。" },
    { RopeClass::C6x37, 14, Grade::Kg185, Force::Total, 10400, 104000, "原表印作 10400，少了一个 0。" },
    { RopeClass::C6x61, 9, Grade::Kg200, Force::Rope, 68680, 77680,
        "原表印作 68680，比同一根绳 185kg/mm2 级的破断拉力 71840 还小。" },
    { RopeClass::C6x61, 12, Grade::Kg200, Force::Total, 166000, 147000, kShiftedColumn },
    { RopeClass::C6x61, 12, Grade::Kg200, Force::Rope, 132800, 117600, kShiftedColumn },
    { RopeClass::C6x61, 13, Grade::Kg200, Force::Total, 186000, 166000, kShiftedColumn },
    { RopeClass::C6x61, 13, Grade::Kg200, Force::Rope, 148800, 132800, kShiftedColumn },
    { RopeClass::C6x61, 14, Grade::Kg200, Force::Total, 229500, 186000, kShiftedColumn },
    { RopeClass::C6x61, 14, Grade::Kg200, Force::Rope, 183600, 148800, kShiftedColumn },
} };

// The cell a mended entry stands for, as the table holds it; 0 where the table has no such cell.
constexpr int cellOf(const MendedCell &cell)
{
    const RopeTable table = tableOf(cell.ropeClass);
    const auto row = std::size_t(cell.row);
    if (row >= table.rows.size())
        return 0;
    BreakingForce forces {};
    switch (cell.grade) {
    case Grade::Kg140:
        forces = table.rows[row].kg140;
        break;
    case Grade::Kg155:
        forces = table.rows[row].kg155;
        break;
    case Grade::Kg170:
        forces = table.rows[row].kg170;
        break;
    case Grade::Kg185:
        forces = table.rows[row].kg185;
        break;
    case Grade::Kg200:
        if (row >= table.kg200.size())
            return 0;
        forces = table.kg200[row];
        break;
    }
    return cell.force == Force::Total ? forces.total : forces.rope;
}

// The list cannot go stale: each entry's mended value is the table's cell, and differs from
// what the catalogue prints.
static_assert(std::ranges::all_of(kMendedCells,
    [](const MendedCell &cell) { return cellOf(cell) == cell.mended && cell.printed != cell.mended; }));

} // namespace traditional
