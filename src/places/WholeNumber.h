#pragma once

#include <optional>
#include <string_view>

namespace places {

// A whole number as people and spreadsheets write it: "7", "07", " 7 ", "7.0", "7,00";
// nothing for anything else (a sign, a fraction, other text) or past 9 digits.
std::optional<int> wholeNumber(std::string_view text);

} // namespace places
