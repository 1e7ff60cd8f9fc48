#include "places/PlaceIndex.h"

#include "document/CountryPlaces.h"
#include "places/CountrySuggestions.h"
#include "places/ToolError.h"
#include "places/WholeNumber.h"

#include <algorithm>

namespace places {
namespace {

struct CompetitionInfo {
    std::string_view name;
    std::string_view shortName;
    int firstField;
    int fieldCount;
};

const CompetitionInfo& infoOf(Competition competition) {
    static constexpr CompetitionInfo kInfo[] = {
        {"Champions League", "cl", document::kChampionsLeagueFirst, document::kChampionsLeagueFields},
        {"UEFA Cup", "uefa", document::kUefaCupFirst, document::kUefaCupFields},
        {"Inter Toto Cup", "intertoto", document::kInterTotoFirst, document::kInterTotoFields},
    };
    return kInfo[static_cast<int>(competition)];
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

std::string_view competitionName(Competition competition) {
    return infoOf(competition).name;
}

std::optional<Competition> findCompetition(std::string_view name) {
    for (const Competition c : kCompetitions) {
        if (sameIgnoringCase(name, infoOf(c).name) || sameIgnoringCase(name, infoOf(c).shortName))
            return c;
    }
    return std::nullopt;
}

std::optional<int> findCountry(std::string_view name) {
    for (int row = 0; row < document::kCountryCount; ++row) {
        const document::CountryRow& r = document::countryRow(row);
        if (sameIgnoringCase(name, r.listEntry) || sameIgnoringCase(name, r.caption))
            return row;
    }
    return std::nullopt;
}

Competition requireCompetition(std::string_view name) {
    if (const auto found = findCompetition(name))
        return *found;
    throw ToolError(
        std::string(name),
        "unknown competition (Champions League, UEFA Cup, Inter Toto Cup; or cl, uefa, intertoto)");
}

int requireCountry(std::string_view name) {
    if (const auto found = findCountry(name))
        return *found;
    const auto suggested = suggestCountries(name);
    if (suggested.empty())
        throw ToolError(std::string(name),
                        "unknown country (the names are those 'vantorel-places show' lists)");
    std::string names;
    for (std::size_t i = 0; i < suggested.size(); ++i)
        names += (i == 0                      ? ""
                  : i + 1 == suggested.size() ? " or "
                                              : ", ") +
                 ("'" + std::string(suggested[i]) + "'");
    throw ToolError(std::string(name), "unknown country; did you mean " + names + "?");
}

std::string_view countryName(int country) {
    return document::countryRow(country).listEntry;
}

std::vector<Place> placesOf(int country, Competition competition) {
    const CompetitionInfo& info = infoOf(competition);
    std::vector<Place> result;
    for (int i = 0; i < info.fieldCount; ++i) {
        if (const auto line = document::placeLine(country, info.firstField + i))
            result.push_back({country, competition, i + 1, *line});
    }
    return result;
}

std::vector<Place> placesOf(int country) {
    std::vector<Place> result;
    for (const Competition c : kCompetitions) {
        const auto some = placesOf(country, c);
        result.insert(result.end(), some.begin(), some.end());
    }
    return result;
}

const std::vector<Place>& allPlaces() {
    static const std::vector<Place> all = [] {
        std::vector<Place> result;
        for (int row = 0; row < document::kCountryCount; ++row) {
            const auto some = placesOf(row);
            result.insert(result.end(), some.begin(), some.end());
        }
        return result;
    }();
    return all;
}

Place placeAt(int country, Competition competition, std::string_view slotArgument) {
    const auto slots = placesOf(country, competition);
    const std::string where = std::string(countryName(country)) + " has ";
    if (slots.empty())
        throw ToolError(std::string(slotArgument),
                        where + "no " + std::string(competitionName(competition)) + " place");
    const auto slot = wholeNumber(slotArgument);
    if (!slot || *slot < 1 || *slot > int(slots.size())) {
        const std::string range =
            slots.size() == 1 ? "only slot 1" : "slots 1 to " + std::to_string(slots.size());
        throw ToolError(std::string(slotArgument), std::string(slot ? "no such slot" : "not a slot number") +
                                                       ": " + where + range + " in the " +
                                                       std::string(competitionName(competition)));
    }
    return slots[std::size_t(*slot - 1)];
}

} // namespace places
