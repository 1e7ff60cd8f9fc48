#include "places/CountrySuggestions.h"

#include "document/CountryPlaces.h"

#include <algorithm>
#include <array>
#include <string>

namespace places {
namespace {

struct OtherName {
    std::string_view name; // lower case
    std::string_view entry;
};

// What people also call the countries that the list names otherwise.
constexpr std::array<OtherName, 9> kOtherNames = {{{"netherlands", "Holland"},
                                                   {"the netherlands", "Holland"},
                                                   {"nederland", "Holland"},
                                                   {"serbia", "Yugoslavia"},
                                                   {"serbia and montenegro", "Yugoslavia"},
                                                   {"czechia", "Czech Republic"},
                                                   {"eire", "Republic of Ireland"},
                                                   {"north macedonia", "FYR of Macedonia"},
                                                   {"belorussia", "Belarus"}}};

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return out;
}

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text + ' ') {
        if (c == ' ' || c == '-') {
            if (word.size() >= 4)
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

// Edits (insert, delete, replace, swap of neighbours) from one text to the other.
std::size_t distance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

bool holds(const std::string& entry, const std::string& name) {
    if (name.size() >= 3 && entry.find(name) != std::string::npos)
        return true;
    const auto entryWords = wordsOf(entry);
    for (const auto& word : wordsOf(name)) {
        if (std::find(entryWords.begin(), entryWords.end(), word) != entryWords.end())
            return true;
    }
    return false;
}

bool slipsAway(const std::string& entry, const std::string& name) {
    return distance(name, entry) <= (name.size() <= 4 ? 1u : 2u);
}

// Adds the entries that `near` finds, as long as there is room.
template <class Near>
void addEntries(std::vector<std::string_view>& found, const std::string& wanted, Near near) {
    for (int row = 0; row < document::kCountryCount && found.size() < 3; ++row) {
        const document::CountryRow& r = document::countryRow(row);
        if (std::find(found.begin(), found.end(), r.listEntry) == found.end() &&
            (near(lower(r.listEntry), wanted) || near(lower(r.caption), wanted)))
            found.push_back(r.listEntry);
    }
}

} // namespace

std::vector<std::string_view> suggestCountries(std::string_view name) {
    const std::string wanted = lower(name);
    std::vector<std::string_view> found;
    for (const OtherName& other : kOtherNames) {
        if (other.name == wanted)
            found.push_back(other.entry);
    }
    if (found.empty())
        addEntries(found, wanted, holds);
    // Typing slips only when nothing holds the name: "ireland" is not "Iceland".
    if (found.empty())
        addEntries(found, wanted, slipsAway);
    return found;
}

} // namespace places
