#include "places/WholeNumber.h"

namespace places {

std::optional<int> wholeNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    // A decimal point or comma followed by zeros only.
    if (const auto point = text.find_first_of(".,"); point != std::string_view::npos) {
        if (point == 0 || text.find_first_not_of('0', point + 1) != std::string_view::npos)
            return std::nullopt;
        text = text.substr(0, point);
    }
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace places
