#include "document/CountryView.h"

#include "document/ConfigBuffer.h"
#include "document/CountryPlaces.h"

namespace document {

void showCountry(const ConfigBuffer& buffer, int row, PlaceFields& fields) {
    for (int field = 0; field < kFieldCount; ++field) {
        if (const auto line = placeLine(row, field)) {
            fields.setFieldText(field, buffer.readLine(std::size_t(*line)));
            fields.setFieldVisible(field, true);
        } else {
            fields.setFieldVisible(field, false);
        }
    }
}

void applyChanges(ConfigBuffer& buffer, std::string_view labelCaption, const PlaceFields& fields) {
    const auto row = rowByCaption(labelCaption);
    if (!row)
        return;
    for (int field = 0; field < kFieldCount; ++field) {
        const auto line = placeLine(*row, field);
        if (!line)
            continue;
        const auto n = std::size_t(*line);
        const std::string text = fields.fieldText(field);
        // Writing back what the field was shown would cut a longer line to its shown part.
        if (text.size() == ConfigBuffer::kMaxReadLength && text == buffer.readLine(n))
            continue;
        buffer.replaceLine(n, text);
    }
}

} // namespace document
