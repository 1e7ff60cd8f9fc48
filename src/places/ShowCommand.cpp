#include "places/Commands.h"

#include "document/CountryPlaces.h"
#include "places/DocumentFile.h"
#include "places/FileShift.h"
#include "places/PlaceIndex.h"
#include "places/PlaceText.h"

#include <ostream>

namespace places {

int showCommand(const std::string& file, const std::vector<std::string>& countries, std::ostream& out,
                std::ostream& err) {
    std::vector<int> rows;
    for (const auto& name : countries)
        rows.push_back(requireCountry(name));
    if (countries.empty()) {
        for (int row = 0; row < document::kCountryCount; ++row)
            rows.push_back(row);
    }
    const auto buffer = loadDocument(file);
    warnIfShifted(buffer, file, err);
    std::string text;
    for (const int row : rows) {
        text += std::string(countryName(row)) + "\n";
        for (const Competition competition : kCompetitions) {
            const auto places = placesOf(row, competition);
            if (places.empty())
                continue;
            text += "  " + std::string(competitionName(competition)) + "\n";
            for (const Place& place : places)
                text += "    " + std::to_string(place.slot) + "  line " + std::to_string(place.line + 1) +
                        "  " + placeText(buffer, place, file) + "\n";
        }
    }
    out << text;
    return 0;
}

} // namespace places
