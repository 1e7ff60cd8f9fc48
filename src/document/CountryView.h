#pragma once

#include "document/PlaceFields.h"

#include <string_view>

// Moves place texts between the buffer and the place fields, with the country
// places table as the map.
namespace document {

class ConfigBuffer;

// Fills the fields that `row` uses from their place lines and shows them; hides the
// others and leaves their texts alone. Visits Edit1..Edit10 in order. The caller sets
// the country label (countryRow(row).caption) first.
void showCountry(const ConfigBuffer& buffer, int row, PlaceFields& fields);

// Writes the fields of the row whose caption is exactly `labelCaption` back to their
// place lines (hidden or not: the table decides); with no such row nothing happens.
// A line that the field shows only in part (longer than ConfigBuffer::kMaxReadLength)
// and whose field still holds exactly that part is left whole.
void applyChanges(ConfigBuffer& buffer, std::string_view labelCaption, const PlaceFields& fields);

} // namespace document
