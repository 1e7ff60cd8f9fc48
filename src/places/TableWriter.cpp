#include "places/TableWriter.h"

#include <nlohmann/json.hpp>

namespace places {
namespace {

void appendCsvField(std::string& out, const std::string& field, char delimiter) {
    // Quoted when it holds a separator, a quote or a line break, or begins or ends with a
    // blank that a spreadsheet might trim.
    const char special[] = {delimiter, '"', '\r', '\n'};
    const bool quoted = field.find_first_of(special, 0, 4) != std::string::npos ||
                        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quoted) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendCsvRecord(std::string& out, const std::vector<std::string>& fields, const CsvStyle& style) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i != 0)
            out += style.delimiter;
        appendCsvField(out, fields[i], style.delimiter);
    }
    out += style.crlf ? "\r\n" : "\n";
}

} // namespace

std::string toCsv(const Table& table, const CsvStyle& style) {
    std::string out;
    appendCsvRecord(out, table.columns, style);
    for (const auto& row : table.rows)
        appendCsvRecord(out, row, style);
    return out;
}

std::string toJson(const Table& table) {
    auto array = nlohmann::ordered_json::array();
    for (const auto& row : table.rows) {
        nlohmann::ordered_json object;
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            if (table.numeric[i])
                object[table.columns[i]] = std::stoi(row[i]);
            else
                object[table.columns[i]] = row[i];
        }
        array.push_back(std::move(object));
    }
    return array.dump(2) + "\n";
}

} // namespace places
