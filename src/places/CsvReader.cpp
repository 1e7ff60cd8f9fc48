#include "places/CsvReader.h"

#include "places/ToolError.h"

#include <algorithm>
#include <array>

namespace places {

char guessDelimiter(std::string_view text) {
    constexpr std::array<char, 3> kCandidates = {',', ';', '\t'};
    std::array<std::size_t, 3> counts{};
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\r' || c == '\n'))
            break;
        else if (!quoted)
            for (std::size_t i = 0; i < kCandidates.size(); ++i)
                counts[i] += c == kCandidates[i];
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most == 0 ? ',' : kCandidates[std::size_t(most - counts.begin())];
}

std::vector<CsvRecord> parseCsv(std::string_view text, char delimiter, const std::string& name) {
    const char stops[] = {delimiter, '\r', '\n', '\0'};
    std::vector<CsvRecord> records;
    std::size_t pos = 0;
    while (pos < text.size()) {
        CsvRecord record{int(records.size()) + 1, pos, {}};
        const std::string where = "row " + std::to_string(record.number);
        for (;;) {
            std::string field;
            if (pos < text.size() && text[pos] == '"') {
                ++pos;
                for (;;) {
                    const auto quote = text.find('"', pos);
                    if (quote == std::string_view::npos)
                        throw ToolError(name, where + ": a quote is never closed");
                    field.append(text.substr(pos, quote - pos));
                    pos = quote + 1;
                    if (pos < text.size() && text[pos] == '"') {
                        field += '"';
                        ++pos;
                        continue;
                    }
                    break;
                }
                if (pos < text.size() && text[pos] != delimiter && text[pos] != '\r' && text[pos] != '\n')
                    throw ToolError(name, where + ": text after a closing quote");
            } else {
                const auto end = text.find_first_of(std::string_view(stops, 3), pos);
                const auto stop = end == std::string_view::npos ? text.size() : end;
                field.assign(text.substr(pos, stop - pos));
                pos = stop;
            }
            record.fields.push_back(std::move(field));
            if (pos < text.size() && text[pos] == delimiter) {
                ++pos;
                continue;
            }
            break;
        }
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
        records.push_back(std::move(record));
    }
    return records;
}

int recordAt(const std::vector<CsvRecord>& records, std::size_t offset) {
    const auto after = std::upper_bound(records.begin(), records.end(), offset,
                                        [](std::size_t o, const CsvRecord& r) { return o < r.offset; });
    return after == records.begin() ? 1 : std::prev(after)->number;
}

} // namespace places
