#pragma once

#include <string_view>
#include <vector>

namespace places {

// The country list entries closest to a name that is none of them, in list order, at most
// three: the list's name for another common one ("Netherlands"), else entries that hold the
// name or one of its words ("ireland"), else those one or two typing slips away ("Itlay").
std::vector<std::string_view> suggestCountries(std::string_view name);

} // namespace places
