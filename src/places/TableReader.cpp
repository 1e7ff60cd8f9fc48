#include "places/TableReader.h"

#include "places/CsvReader.h"
#include "places/ToolError.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>

namespace places {
namespace {

constexpr std::array<std::string_view, 5> kColumns = {"country", "competition", "slot", "line", "text"};

std::string inQuotes(std::string_view name) {
    std::string text(1, '\'');
    text.append(name).push_back('\'');
    return text;
}

TableRow rowOf(int number, const std::array<std::string, 5>& values) {
    return {number, values[0], values[1], values[2], values[3], values[4]};
}

std::vector<TableRow> readCsv(std::string_view bytes, const std::string& name) {
    const auto records = parseCsv(bytes, name);
    if (records.empty())
        throw ToolError(name, "the table is empty: it needs the header row " +
                                  std::string("country,competition,slot,line,text"));
    // Where each column is in the header.
    std::array<std::size_t, 5> at{};
    std::vector<Problem> problems;
    const auto& header = records.front().fields;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        const auto found = std::find(header.begin(), header.end(), kColumns[c]);
        if (found == header.end())
            problems.push_back({name, "missing column " + inQuotes(kColumns[c])});
        else if (std::count(header.begin(), header.end(), kColumns[c]) > 1)
            problems.push_back({name, "column " + inQuotes(kColumns[c]) + " appears twice"});
        at[c] = std::size_t(found - header.begin());
    }
    for (const auto& column : header) {
        if (std::find(kColumns.begin(), kColumns.end(), column) == kColumns.end())
            problems.push_back({name, "extra column " + inQuotes(column)});
    }
    if (!problems.empty())
        throw ToolError(std::move(problems));

    std::vector<TableRow> rows;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const auto& fields = records[r].fields;
        // A blank line, or a row a spreadsheet left with only separators.
        if (std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); }))
            continue;
        if (fields.size() != header.size()) {
            problems.push_back({name, "row " + std::to_string(records[r].number) + ": " +
                                          std::to_string(fields.size()) + " fields where the header has " +
                                          std::to_string(header.size())});
            continue;
        }
        std::array<std::string, 5> values;
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            values[c] = fields[at[c]];
        rows.push_back(rowOf(records[r].number, values));
    }
    if (!problems.empty())
        throw ToolError(std::move(problems));
    return rows;
}

std::vector<TableRow> readJson(std::string_view bytes, const std::string& name) {
    nlohmann::json document;
    try {
        document = nlohmann::json::parse(bytes);
    } catch (const nlohmann::json::parse_error& e) {
        throw ToolError(name, std::string("not valid JSON: ") + e.what());
    }
    if (!document.is_array())
        throw ToolError(name, "the table must be a JSON array of objects");
    std::vector<TableRow> rows;
    std::vector<Problem> problems;
    int number = 0;
    for (const auto& object : document) {
        ++number;
        const std::string where = "row " + std::to_string(number) + ": ";
        if (!object.is_object()) {
            problems.push_back({name, where + "not an object"});
            continue;
        }
        const std::size_t before = problems.size();
        for (const auto& [key, value] : object.items()) {
            if (std::find(kColumns.begin(), kColumns.end(), key) == kColumns.end())
                problems.push_back({name, where + "extra key " + inQuotes(key)});
        }
        std::array<std::string, 5> values;
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            const std::string key(kColumns[c]);
            const bool isNumber = key == "slot" || key == "line";
            const auto found = object.find(key);
            if (found == object.end() || found->is_null()) {
                if (key != "line")
                    problems.push_back({name, where + "missing key " + inQuotes(key)});
            } else if (isNumber && found->is_number_integer()) {
                values[c] = std::to_string(found->get<long long>());
            } else if (!isNumber && found->is_string()) {
                values[c] = found->get<std::string>();
            } else {
                problems.push_back(
                    {name, where + inQuotes(key) + " must be " + (isNumber ? "a whole number" : "a string")});
            }
        }
        if (problems.size() == before)
            rows.push_back(rowOf(number, values));
    }
    if (!problems.empty())
        throw ToolError(std::move(problems));
    return rows;
}

} // namespace

TableFormat tableFormat(const std::optional<std::string>& given, const std::string& path) {
    if (given)
        return *given == "json" ? TableFormat::Json : TableFormat::Csv;
    const auto dot = path.rfind('.');
    const std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
    if (extension == "csv" || extension == "CSV")
        return TableFormat::Csv;
    if (extension == "json" || extension == "JSON")
        return TableFormat::Json;
    throw ToolError(path, "cannot tell the table's format from its name: give --format csv or --format json");
}

std::vector<TableRow> readTable(std::string_view bytes, TableFormat format, const std::string& name) {
    return format == TableFormat::Json ? readJson(bytes, name) : readCsv(bytes, name);
}

} // namespace places
