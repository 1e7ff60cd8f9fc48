#include "places/Commands.h"

#include "places/DocumentFile.h"
#include "places/PlaceIndex.h"
#include "places/PlaceText.h"

namespace places {

int setCommand(const std::string& file, const std::string& country, const std::string& competition,
               const std::string& slot, const std::string& text, std::ostream& /*out*/) {
    const Place place = placeAt(requireCountry(country), requireCompetition(competition), slot);
    const std::string bytes = placeBytes(text, text);
    auto buffer = loadDocument(file);
    requireLine(buffer, place, file);
    if (buffer.line(std::size_t(place.line)) == bytes)
        return 0;
    buffer.replaceLine(std::size_t(place.line), bytes);
    saveDocument(file, buffer);
    return 0;
}

} // namespace places
