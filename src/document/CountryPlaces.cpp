#include "document/CountryPlaces.h"

#include <stdexcept>

namespace document {
namespace {

struct PlaceCounts {
    std::string_view listEntry;
    std::string_view caption;
    int championsLeague, uefaCup, interToto;
};

// Per-country numbers of places, in list order. The line numbers follow from them:
// the used fields of a group are its top ones, a country's lines are consecutive in
// field order, England starts at line 1 and each next country starts 3 lines after
// the previous one's last line.
constexpr std::array<PlaceCounts, kCountryCount> kCounts{{
    {"England", "England", 3, 3, 1},
    {"Italy", "Italy", 3, 4, 2},
    {"Germany", "Germany", 3, 4, 2},
    {"Spain", "Spain", 3, 4, 1},
    {"France", "France", 2, 4, 3},
    {"Holland", "Holland", 2, 3, 2},
    {"Portugal", "Portugal", 1, 3, 2},
    {"Greece", "Greece", 1, 3, 2},
    {"Czech Republic", "Czech Republic", 1, 3, 2},
    {"Norway", "Norway", 2, 3, 2},
    {"Austria", "Austria", 2, 3, 1},
    {"Russia", "Russia", 2, 1, 2},
    {"Croatia", "Croatia", 2, 1, 2},
    {"Turkey", "Turkey", 2, 2, 2},
    {"Denmark", "Denmark", 2, 2, 1},
    {"Switzerland", "Switzerland", 1, 3, 2},
    {"Ukraine", "Ukraine", 1, 2, 1},
    {"Poland", "Poland", 1, 2, 2},
    {"Hungary", "Hungary", 0, 1, 1},
    {"Belgium", "Belgium", 1, 3, 2},
    {"Slovakia", "Slovakia", 1, 3, 2},
    {"Romania", "Romania", 1, 2, 1},
    {"Sweden", "Sweden", 1, 3, 1},
    {"Georgia", "Georgia", 0, 1, 1},
    {"Cyprus", "Cyprus", 1, 1, 0},
    {"Scotland", "Scotland", 1, 2, 1},
    {"Israel", "Israel", 1, 2, 1},
    {"Slovenia", "Slovenia", 1, 1, 1},
    {"Belarus", "Belarus", 0, 1, 1},
    {"Iceland", "Iceland", 1, 2, 1},
    {"Finland", "Finland", 1, 2, 1},
    {"Latvia", "Latvia", 1, 0, 0},
    {"FYR of Macedonia", "FYA of Macedonia", 1, 2, 2},
    {"Lithuania", "Lithuania", 1, 1, 2},
    {"Yugoslavia", "Yugoslavia", 1, 0, 1},
    {"Moldova", "Moldova", 1, 0, 2},
    {"Estonia", "Estonia", 0, 1, 2},
    {"Armenia", "Armenia", 1, 1, 2},
    {"Northern Ireland", "Northern Ireland", 1, 1, 2},
    {"Malta", "Malta", 1, 0, 2},
    {"Wales", "Wales", 1, 2, 1},
    {"Republic of Ireland", "Republic of Ireland", 1, 1, 1},
    {"Faroe Islands", "Faroe Islands", 0, 1, 2},
    {"Albania", "Albania", 1, 0, 0},
    {"Luxembourg", "Luxembourg", 1, 0, 1},
    {"Bulgaria", "Bulgaria", 0, 1, 1},
    {"Azerbaijan", "Azerbaijan", 0, 1, 2},
    {"Bosnia-Herzegovina", "Bosnia-Heregavina", 0, 0, 1},
}};

constexpr std::array<CountryRow, kCountryCount> buildTable() {
    std::array<CountryRow, kCountryCount> table{};
    int next = 1; // England's first place line
    for (int r = 0; r < kCountryCount; ++r) {
        const PlaceCounts& c = kCounts[std::size_t(r)];
        CountryRow& row = table[std::size_t(r)];
        row.listEntry = c.listEntry;
        row.caption = c.caption;
        row.lines.fill(-1);
        const auto fillGroup = [&](int first, int count) {
            for (int i = 0; i < count; ++i)
                row.lines[std::size_t(first + i)] = next++;
        };
        fillGroup(kChampionsLeagueFirst, c.championsLeague);
        fillGroup(kUefaCupFirst, c.uefaCup);
        fillGroup(kInterTotoFirst, c.interToto);
        next += 2; // two unnamed lines before the next country
    }
    return table;
}

constexpr std::array<CountryRow, kCountryCount> kTable = buildTable();

static_assert(kTable[0].lines[0] == 1 && kTable[47].lines[kInterTotoFirst] == 306,
              "place lines run from 1 to 306");

} // namespace

const CountryRow& countryRow(int row) {
    if (row < 0 || row >= kCountryCount)
        throw std::out_of_range("country row out of range");
    return kTable[std::size_t(row)];
}

std::optional<int> rowByCaption(std::string_view caption) {
    for (int r = 0; r < kCountryCount; ++r)
        if (kTable[std::size_t(r)].caption == caption)
            return r;
    return std::nullopt;
}

std::optional<int> placeLine(int row, int field) {
    if (row < 0 || row >= kCountryCount || field < 0 || field >= kFieldCount)
        return std::nullopt;
    const int line = kTable[std::size_t(row)].lines[std::size_t(field)];
    if (line < 0)
        return std::nullopt;
    return line;
}

} // namespace document
