#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The country places table seen by name: which country, competition and slot each
// place line belongs to, and the names people and tables use for them.
namespace places {

enum class Competition { ChampionsLeague, UefaCup, InterToto };
inline constexpr Competition kCompetitions[] = {Competition::ChampionsLeague, Competition::UefaCup,
                                                Competition::InterToto};

struct Place {
    int country; // row of the country list
    Competition competition;
    int slot; // from 1 within the country's competition
    int line; // 0-based line of the buffer
};

// "Champions League", "UEFA Cup", "Inter Toto Cup".
std::string_view competitionName(Competition competition);
// A competition by its name or cl, uefa, intertoto, without regard to case.
std::optional<Competition> findCompetition(std::string_view name);
// A country by its list entry or its caption, without regard to case.
std::optional<int> findCountry(std::string_view name);
// The same, with a ToolError naming the argument when there is no such one.
Competition requireCompetition(std::string_view name);
int requireCountry(std::string_view name);
// The country's list entry.
std::string_view countryName(int country);

// The places a country has in a competition, in slot order.
std::vector<Place> placesOf(int country, Competition competition);
// All places of a country, in field order.
std::vector<Place> placesOf(int country);
// All places of the table: country list order, then field order.
const std::vector<Place>& allPlaces();

// The place of a slot; a ToolError naming `slotArgument` with the valid range when
// the country has no such slot.
Place placeAt(int country, Competition competition, std::string_view slotArgument);

} // namespace places
