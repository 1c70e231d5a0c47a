#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <type_traits>

// The rope tables of the standard method, for wires graded 1470 to 1870 N/mm2 (the grade
// labels read kN/mm2). Weights are kg per 100 m of rope; breaking forces are the minimum
// breaking force of the rope in kN. Each table has one row per item of its class's diameter
// list, in list order; the lookup goes by the picked item's position, never by its text.
namespace standard {

enum class Grade { N1470, N1570, N1670, N1770, N1870 };
inline constexpr std::size_t kGradeCount = std::size_t(Grade::N1870) + 1;
// Each grade as the calculator's labels and the rope listing show it.
inline constexpr std::array<std::string_view, kGradeCount> kGradeNames { "1470kN/mm2", "1570kN/mm2",
    "1670kN/mm2", "1770kN/mm2", "1870kN/mm2" };

enum class Core { Fibre, Steel };
inline constexpr std::size_t kCoreCount = std::size_t(Core::Steel) + 1;
// Each core as the rope listing names it.
inline constexpr std::array<std::string_view, kCoreCount> kCoreNames { "纤维芯", "钢芯" };

// A six-strand rope (6×19＋1, 6×37＋1, 6×61＋1): its weight with each kind of core, and the
// breaking force of the fibre-core and of the steel-core rope in the grades 1570 to 1870.
// These ropes are not made of 1470 wire.
struct SixStrandRow {
    std::string_view item; // the diameter as its list shows it
    double naturalFibreWeight;
    double syntheticFibreWeight;
    double steelWeight;
    std::array<double, 4> fibre; // 1570, 1670, 1770, 1870
    std::array<double, 4> steel; // 1570, 1670, 1770, 1870
};

// 18×7＋1 is made with a natural-fibre core only, in all five grades.
struct EighteenStrandRow {
    std::string_view item;
    double naturalFibreWeight;
    std::array<double, 5> fibre; // 1470, 1570, 1670, 1770, 1870
};

// The catalogue values, written as the read-outs show them, each row after its list item.
// Columns: weights (natural fibre, synthetic fibre, steel), then the fibre-core and
// the steel-core breaking forces by grade.

inline constexpr std::array<SixStrandRow, 29> k6x19 { {
    // clang-format off
    { "φ3",     3.11,  3.03,  3.43, {  4.33,  4.61,  4.89,  5.16 }, {  4.69,  4.98,  5.28,  5.58 } },
    { "φ4",     5.54,  5.39,   6.1, {  7.71,   8.2,  8.69,  9.18 }, {  8.33,  8.87,   9.4,  9.93 } },
    { "φ5",     8.65,  8.42,  9.52, {    12,  12.8,  13.5,  14.3 }, {    13,  13.8,  14.6,  15.5 } },
    { "φ6",     12.5,  12.1,  13.7, {  17.3,  18.4,  19.5,  20.6 }, {  18.7,  19.9,  21.1,  22.3 } },
    { "φ7",       17,  16.5,  18.7, {  23.6,  25.1,  26.6,  28.1 }, {  25.5,  27.1,  28.7,  30.4 } },
    { "φ8",     22.1,  21.6,  24.4, {  30.8,  32.8,  34.7,  36.7 }, {  33.3,  35.4,  37.6,  39.7 } },
    { "φ9",       28,  27.3,  30.9, {    39,  41.5,    44,  46.5 }, {  42.2,  44.9,  47.5,  50.2 } },
    { "φ10",    34.6,  33.7,  38.1, {  48.1,  51.2,  54.3,  57.4 }, {  52.1,  55.4,  58.7,    62 } },
    { "φ11",    41.9,  40.8,  46.1, {  58.3,    62,  65.7,  69.4 }, {    63,    67,  71.1,  75.1 } },
    { "φ12",    49.8,  48.5,  54.9, {  69.4,  73.8,  78.2,  82.6 }, {    75,  79.8,  84.6,  89.4 } },
    { "φ13",    58.5,    57,  64.4, {  81.4,  86.6,  91.8,    97 }, {    88,  93.7,  99.3,   104 } },
    { "φ14",    67.8,  66.1,  74.7, {  94.4,   100,   106,   112 }, {   102,   108,   115,   121 } },
    { "φ16",    88.6,  86.3,  97.5, {   123,   131,   139,   146 }, {   133,   141,   150,   158 } },
    { "φ18",     112,   109,   123, {   156,   166,   176,   186 }, {   168,   179,   190,   201 } },
    { "φ20",     138,   135,   152, {   192,   205,   217,   229 }, {   208,   221,   235,   248 } },
    { "φ22",     167,   163,   184, {   233,   248,   263,   277 }, {   252,   268,   284,   300 } },
    { "φ24",     199,   194,   219, {   277,   295,   312,   330 }, {   300,   319,   338,   357 } },
    { "φ26",     234,   228,   258, {   325,   346,   367,   388 }, {   352,   374,   397,   419 } },
    { "φ28",     271,   264,   299, {   377,   401,   426,   450 }, {   408,   434,   460,   486 } },
    { "φ(30)",   311,   303,   343, {   433,   461,   489,   516 }, {   469,   498,   528,   558 } },
    { "φ32",     354,   345,   390, {   493,   524,   556,   587 }, {   533,   567,   601,   635 } },
    { "φ34",     400,   390,   440, {   557,   592,   628,   663 }, {   602,   640,   679,   717 } },
    { "φ36",     448,   437,   494, {   624,   664,   704,   744 }, {   675,   718,   761,   804 } },
    { "φ(38)",   500,   487,   550, {   695,   740,   784,   828 }, {   752,   800,   848,   896 } },
    { "φ40",     554,   539,   610, {   771,   820,   869,   918 }, {   833,   887,   940,   993 } },
    { "φ(42)",   610,   594,   672, {   850,   904,   958,  1010 }, {   919,   978,  1030,  1090 } },
    { "φ44",     670,   652,   738, {   933,   992,  1050,  1110 }, {  1000,  1070,  1130,  1200 } },
    { "φ(46)",   732,   713,   806, {  1010,  1080,  1140,  1210 }, {  1100,  1170,  1240,  1310 } },
    { "φ48",     797,   776,   878, {  1110,  1180,  1250,  1320 }, {  1200,  1270,  1350,  1430 } },
    // clang-format on
} };

inline constexpr std::array<SixStrandRow, 35> k6x37 { {
    // clang-format off
    { "φ6",     12.5,  12.1,  13.7, {  16.6,  17.7,  18.7,  19.8 }, {    18,  19.1,  20.3,  21.4 } },
    { "φ7",       17,  16.5,  18.7, {  22.6,  24.1,  25.5,    27 }, {  24.5,  26.1,  27.6,  29.2 } },
    // Steel 1870: the catalogue prints 33.1, weaker than the 1770 grade of the same rope (36.1)
    // and than its own fibre core (35.3). Steel-core forces are 1.08 × the fibre-core ones
    // throughout this row: 1.08 × 35.3 = 38.1, so the 8 was misread as a 3.
    { "φ8",     22.1,  21.6,  24.4, {  29.6,  31.5,  33.4,  35.3 }, {    32,    34,  36.1,  38.1 } },
    { "φ9",       28,  27.3,  30.9, {  37.5,  39.9,  42.2,  44.6 }, {  40.5,  43.1,  45.7,  48.3 } },
    { "φ10",    34.6,  33.7,  38.1, {  46.3,  49.2,  52.2,  55.1 }, {    50,  53.2,  56.4,  59.6 } },
    { "φ11",    41.9,  40.8,  46.1, {    56,  59.6,  63.1,  66.7 }, {  60.6,  64.4,  68.3,  72.1 } },
    { "φ12",    49.8,  48.5,  54.9, {  66.6,  70.9,  75.1,  79.4 }, {  72.1,  76.7,  81.3,  85.9 } },
    { "φ13",    58.5,    57,  64.4, {  78.2,  83.2,  88.2,  93.2 }, {  84.6,    90,  95.4,   100 } },
    { "φ14",    67.8,  66.1,  74.7, {  90.7,  96.5,   102,   108 }, {  98.1,   104,   110,   116 } },
    { "φ16",    88.6,  86.3,  97.5, {   118,   126,   133,   141 }, {   128,   136,   144,   152 } },
    { "φ18",     112,   109,   123, {   150,   159,   169,   178 }, {   162,   172,   182,   193 } },
    { "φ20",     138,   135,   152, {   185,   197,   208,   220 }, {   200,   213,   225,   233 } },
    { "φ22",     167,   163,   184, {   224,   238,   252,   266 }, {   242,   257,   273,   288 } },
    { "φ24",     199,   194,   219, {   266,   283,   300,   317 }, {   288,   306,   325,   343 } },
    { "φ26",     234,   228,   258, {   313,   333,   352,   372 }, {   338,   360,   381,   403 } },
    { "φ28",     271,   264,   299, {   363,   386,   409,   432 }, {   392,   417,   442,   467 } },
    { "φ(30)",   311,   303,   343, {   416,   443,   468,   496 }, {   450,   479,   508,   536 } },
    { "φ32",     354,   345,   390, {   474,   504,   534,   564 }, {   512,   545,   578,   610 } },
    { "φ(34)",   400,   390,   440, {   535,   569,   603,   637 }, {   578,   615,   652,   689 } },
    { "φ36",     448,   437,   494, {   600,   638,   676,   714 }, {   649,   690,   731,   773 } },
    { "φ(38)",   500,   487,   550, {   668,   711,   753,   796 }, {   723,   769,   815,   861 } },
    { "φ40",     554,   539,   610, {   741,   788,   835,   882 }, {   801,   852,   903,   954 } },
    { "φ(42)",   610,   594,   672, {   816,   869,   921,   973 }, {   883,   939,   996,  1050 } },
    { "φ44",     670,   652,   738, {   896,   953,  1010,  1060 }, {   969,  1030,  1090,  1150 } },
    { "φ(46)",   732,   713,   806, {   980,  1040,  1100,  1160 }, {  1050,  1120,  1190,  1260 } },
    { "φ48",     797,   776,   878, {  1060,  1130,  1200,  1270 }, {  1150,  1220,  1300,  1370 } },
    { "φ(50)",   865,   842,   952, {  1150,  1230,  1300,  1370 }, {  1250,  1330,  1410,  1490 } },
    { "φ52",     936,   911,  1030, {  1250,  1330,  1410,  1490 }, {  1350,  1440,  1520,  1610 } },
    { "φ(54)",  1010,   983,  1110, {  1350,  1430,  1520,  1600 }, {  1460,  1550,  1640,  1730 } },
    { "φ56",    1090,  1060,  1190, {  1450,  1540,  1630,  1720 }, {  1570,  1670,  1770,  1870 } },
    { "φ(58)",  1160,  1130,  1280, {  1550,  1650,  1750,  1850 }, {  1680,  1790,  1890,  2000 } },
    { "φ60",    1250,  1210,  1370, {  1660,  1770,  1870,  1980 }, {  1800,  1910,  2030,  2140 } },
    { "φ(62)",  1330,  1300,  1460, {  1780,  1890,  2000,  2120 }, {  1920,  2040,  2170,  2290 } },
    { "φ64",    1420,  1380,  1560, {  1890,  2010,  2130,  2250 }, {  2050,  2180,  2310,  2440 } },
    { "φ66",    1510,  1470,  1660, {  2010,  2140,  2270,  2400 }, {  2180,  2320,  2450,  2590 } },
    // clang-format on
} };

inline constexpr std::array<SixStrandRow, 26> k6x61 { {
    // clang-format off
    { "φ40",     578,   566,   637, {   758,   806,   855,   903 }, {   818,   871,   923,   975 } },
    { "φ42",     637,   624,   702, {   836,   889,   942,   996 }, {   902,   960,  1010,  1070 } },
    { "φ44",     699,   685,   771, {   917,   976,  1030,  1090 }, {   990,  1050,  1110,  1180 } },
    { "φ46",     764,   749,   842, {  1000,  1060,  1130,  1190 }, {  1080,  1150,  1220,  1280 } },
    { "φ48",     832,   816,   917, {  1090,  1160,  1230,  1300 }, {  1170,  1250,  1320,  1400 } },
    { "φ50",     903,   885,   995, {  1180,  1260,  1330,  1410 }, {  1270,  1360,  1440,  1520 } },
    { "φ52",     976,   957,  1080, {  1280,  1360,  1440,  1520 }, {  1380,  1470,  1560,  1640 } },
    { "φ54",    1050,  1030,  1160, {  1380,  1470,  1550,  1640 }, {  1490,  1580,  1680,  1770 } },
    { "φ56",    1130,  1110,  1250, {  1480,  1580,  1670,  1770 }, {  1600,  1700,  1800,  1910 } },
    { "φ58",    1210,  1190,  1340, {  1590,  1690,  1790,  1890 }, {  1720,  1830,  1940,  2050 } },
    { "φ60",    1300,  1270,  1430, {  1700,  1810,  1920,  2030 }, {  1840,  1950,  2070,  2190 } },
    { "φ62",    1390,  1360,  1530, {  1820,  1930,  2050,  2170 }, {  1960,  2090,  2210,  2340 } },
    { "φ64",    1480,  1450,  1630, {  1940,  2060,  2180,  2310 }, {  2090,  2220,  2360,  2490 } },
    { "φ66",    1570,  1540,  1730, {  2060,  2190,  2320,  2460 }, {  2220,  2370,  2510,  2650 } },
    { "φ68",    1670,  1640,  1840, {  2190,  2330,  2470,  2610 }, {  2360,  2510,  2660,  2810 } },
    { "φ70",    1770,  1730,  1950, {  2320,  2470,  2610,  2760 }, {  2500,  2660,  2820,  2980 } },
    { "φ72",    1870,  1840,  2060, {  2450,  2610,  2770,  2920 }, {  2650,  2820,  2990,  3160 } },
    { "φ74",    1980,  1940,  2180, {  2590,  2760,  2920,  3090 }, {  2800,  2980,  3150,  3330 } },
    { "φ76",    2090,  2040,  2300, {  2730,  2910,  3080,  3260 }, {  2950,  3140,  3330,  3520 } },
    { "φ78",    2200,  2150,  2420, {  2880,  3060,  3250,  3430 }, {  3110,  3310,  3510,  3700 } },
    { "φ80",    2310,  2270,  2550, {  3030,  3220,  3420,  3610 }, {  3270,  3480,  3690,  3900 } },
    { "φ82",    2430,  2380,  2680, {  3180,  3390,  3590,  3790 }, {  3440,  3660,  3870,  4090 } },
    { "φ84",    2550,  2500,  2810, {  3340,  3550,  3770,  3980 }, {  3610,  3840,  4070,  4300 } },
    { "φ86",    2670,  2620,  2940, {  3500,  3730,  3950,  4170 }, {  3780,  4020,  4260,  4500 } },
    { "φ88",    2800,  2740,  3080, {  3670,  3900,  4130,  4370 }, {  3960,  4210,  4460,  4720 } },
    { "φ90",    2920,  2870,  3220, {  3840,  4080,  4320,  4570 }, {  4140,  4400,  4670,  4930 } },
    // clang-format on
} };

// Columns: item, weight, then the breaking forces 1470 to 1870.
inline constexpr std::array<EighteenStrandRow, 27> k18x7 { {
    // clang-format off
    { "φ6",       14, {  17.3,  18.5,  19.7,  20.9,    22 } },
    { "φ7",     19.1, {  23.6,  25.2,  26.8,  28.4,    30 } },
    { "φ8",       25, {  30.8,  32.9,    35,  37.1,  39.2 } },
    { "φ9",     31.6, {    39,  41.7,  44.3,    47,  49.6 } },
    { "φ10",      39, {  48.2,  51.4,  54.7,    58,  61.3 } },
    { "φ11",    47.2, {  58.3,  62.3,  66.2,  70.2,  74.2 } },
    { "φ12",    56.2, {  69.4,  74.1,  78.8,  83.6,  88.3 } },
    { "φ13",    65.9, {  81.4,    87,  92.5,  98.1,   103 } },
    { "φ14",    76.4, {  94.5,   100,   107,   113,   120 } },
    { "φ16",    99.8, {   123,   131,   140,   148,   157 } },
    { "φ18",     126, {   156,   166,   177,   188,   198 } },
    { "φ20",     156, {   192,   205,   219,   232,   245 } },
    { "φ22",     189, {   233,   249,   265,   280,   296 } },
    { "φ24",     225, {   277,   296,   315,   334,   353 } },
    { "φ26",     264, {   325,   348,   370,   392,   414 } },
    { "φ28",     306, {   378,   403,   429,   455,   480 } },
    { "φ(30)",   351, {   433,   463,   492,   522,   552 } },
    { "φ32",     399, {   493,   527,   560,   594,   628 } },
    { "φ(34)",   451, {   557,   595,   633,   671,   709 } },
    { "φ36",     505, {   624,   667,   709,   752,   794 } },
    { "φ(38)",   563, {   696,   743,   790,   838,   885 } },
    { "φ40",     624, {   771,   823,   876,   928,   981 } },
    { "φ(42)",   688, {   850,   908,   966,  1020,  1080 } },
    { "φ44",     755, {   933,   996,  1060,  1120,  1180 } },
    { "φ(46)",   825, {  1020,  1080,  1150,  1220,  1290 } },
    { "φ48",     899, {  1110,  1180,  1260,  1330,  1410 } },
    { "φ50",     975, {  1205,  1280,  1360,  1450,  1530 } },
    // clang-format on
} };

// The rope classes of the method, in the order of their buttons and lists.
enum class RopeClass { C6x19, C6x37, C6x61, C18x7 };
inline constexpr std::size_t kRopeClassCount = std::size_t(RopeClass::C18x7) + 1;
// Each class as the calculator's labels and the rope listing show it: U+00D7 and the full-width
// plus U+FF0B.
inline constexpr std::array<std::string_view, kRopeClassCount> kRopeClassNames { "6×19＋1", "6×37＋1",
    "6×61＋1", "18×7＋1" };

// The grades and cores a class is made in: the six-strand ropes with either core in 1570 to
// 1870, 18×7＋1 with a fibre core only, in all five grades.
constexpr bool madeIn(RopeClass ropeClass, Grade grade)
{
    return ropeClass == RopeClass::C18x7 || grade != Grade::N1470;
}
constexpr bool madeWith(RopeClass ropeClass, Core core)
{
    return ropeClass != RopeClass::C18x7 || core == Core::Fibre;
}

// Calls `use` with the class's own table, one row per item of its diameter list.
template <typename Use> constexpr decltype(auto) withTable(RopeClass ropeClass, Use &&use)
{
    switch (ropeClass) {
    case RopeClass::C6x19:
        return use(std::span<const SixStrandRow>(k6x19));
    case RopeClass::C6x37:
        return use(std::span<const SixStrandRow>(k6x37));
    case RopeClass::C6x61:
        return use(std::span<const SixStrandRow>(k6x61));
    case RopeClass::C18x7:
        break;
    }
    return use(std::span<const EighteenStrandRow>(k18x7));
}

// The cell above that the catalogue prints wrongly and the table holds mended, with what the
// catalogue prints and why it is wrong, in the words of the guide's section on mended cells: a
// calculation sheet footnotes a read-out that comes from it.
struct MendedCell {
    RopeClass ropeClass;
    int row;
    Core core;
    Grade grade;
    double printed; // kN
    double mended;
    std::string_view reason;
};

inline constexpr std::array<MendedCell, 1> kMendedCells { {
    { RopeClass::C6x37, 2, Core::Steel, Grade::N1870, 33.1, 38.1,
        "原表印作 33.1，比同一根绳 1770 级的 36.1 和它自己纤维芯的 35.3 都小。" },
} };

// The breaking force a mended entry stands for, as the table holds it; 0 where the table has no
// such cell.
constexpr double cellOf(const MendedCell &cell)
{
    return withTable(cell.ropeClass, [&cell]<typename Row>(std::span<const Row> table) {
        const auto row = std::size_t(cell.row);
        if (row >= table.size() || !madeIn(cell.ropeClass, cell.grade)
            || !madeWith(cell.ropeClass, cell.core))
            return 0.0;
        if constexpr (std::is_same_v<Row, EighteenStrandRow>)
            return table[row].fibre.at(std::size_t(cell.grade));
        else // the six-strand columns start at 1570
            return (cell.core == Core::Fibre ? table[row].fibre : table[row].steel)
                .at(std::size_t(cell.grade) - 1);
    });
}

// The list cannot go stale: each entry's mended value is the table's cell, and differs from
// what the catalogue prints.
static_assert(std::ranges::all_of(kMendedCells,
    [](const MendedCell &cell) { return cellOf(cell) == cell.mended && cell.printed != cell.mended; }));

} // namespace standard
