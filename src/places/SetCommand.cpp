#include "places/Commands.h"

#include "places/DocumentFile.h"
#include "places/FileShift.h"
#include "places/PlaceIndex.h"
#include "places/PlaceText.h"

#include <ostream>

namespace places {

int setCommand(const std::string& file, const std::string& country, const std::string& competition,
               const std::string& slot, const std::string& text, std::ostream& out) {
    const Place place = placeAt(requireCountry(country), requireCompetition(competition), slot);
    const std::string bytes = placeBytes(text, text);
    auto buffer = loadDocument(file);
    requireLine(buffer, place, file);
    requireUnshifted(buffer, file);
    const std::string_view old = buffer.line(std::size_t(place.line));
    if (old == bytes) {
        out << describePlace(place) << ": unchanged\n";
        return 0;
    }
    requireCleanBytes(bytes, old, text);
    const std::string change = describeChange(place, placeText(buffer, place, file), text);
    buffer.replaceLine(std::size_t(place.line), bytes);
    saveDocument(file, buffer);
    out << change;
    return 0;
}

} // namespace places
