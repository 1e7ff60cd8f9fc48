#include "places/CsvReader.h"

#include "places/ToolError.h"

namespace places {

std::vector<CsvRecord> parseCsv(std::string_view text, const std::string& name) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<CsvRecord> records;
    std::size_t pos = 0;
    while (pos < text.size()) {
        CsvRecord record{int(records.size()) + 1, {}};
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
                if (pos < text.size() && text[pos] != ',' && text[pos] != '\r' && text[pos] != '\n')
                    throw ToolError(name, where + ": text after a closing quote");
            } else {
                const auto end = text.find_first_of(",\r\n", pos);
                const auto stop = end == std::string_view::npos ? text.size() : end;
                field.assign(text.substr(pos, stop - pos));
                pos = stop;
            }
            record.fields.push_back(std::move(field));
            if (pos < text.size() && text[pos] == ',') {
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

} // namespace places
