#pragma once

#include <array>
#include <optional>
#include <string_view>

// The fixed map from each entry of the country list to the lines of the config
// file that hold its European places, one line per place field.
namespace document {

constexpr int kCountryCount = 48;
constexpr int kFieldCount = 10; // Edit1..Edit10

// First field of each competition group and its number of fields.
constexpr int kChampionsLeagueFirst = 0, kChampionsLeagueFields = 3;
constexpr int kUefaCupFirst = 3, kUefaCupFields = 4;
constexpr int kInterTotoFirst = 7, kInterTotoFields = 3;

struct CountryRow {
    std::string_view listEntry;         // the row's text in the country list
    std::string_view caption;           // what the country label shows; the key of Apply Changes
    std::array<int, kFieldCount> lines; // 0-based place line per field, -1 = hidden
};

// Row 0..47 in list order; throws std::out_of_range for any other row.
const CountryRow& countryRow(int row);
// The first row whose caption equals the text exactly (case and every character count).
std::optional<int> rowByCaption(std::string_view caption);
// The place line that a field shows for a row, or nothing when the field is hidden
// (also for a row or field out of range).
std::optional<int> placeLine(int row, int field);

} // namespace document
