#include "places/Commands.h"

#include "places/DocumentFile.h"
#include "places/PlaceIndex.h"
#include "places/PlaceText.h"
#include "places/TableWriter.h"

#include <ostream>

namespace places {

int diffCommand(const std::string& file1, const std::string& file2, const std::string& format,
                std::ostream& out) {
    const auto before = loadDocument(file1);
    const auto after = loadDocument(file2);
    Table table{{"country", "competition", "slot", "old", "new"}, {false, false, true, false, false}, {}};
    std::string text;
    for (const Place& place : allPlaces()) {
        std::string old = placeText(before, place, file1);
        std::string now = placeText(after, place, file2);
        if (old == now)
            continue;
        text += describeChange(place, old, now);
        table.rows.push_back({std::string(countryName(place.country)),
                              std::string(competitionName(place.competition)), std::to_string(place.slot),
                              std::move(old), std::move(now)});
    }
    if (format == "csv")
        out << toCsv(table);
    else if (format == "json")
        out << toJson(table);
    else
        out << text;
    return table.rows.empty() ? 0 : 1;
}

} // namespace places
