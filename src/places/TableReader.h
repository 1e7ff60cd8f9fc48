#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads a table in the export format for import: the columns country, competition,
// slot, line and text, each exactly once and no others; `line` may be empty.
namespace places {

enum class TableFormat { Csv, Json };

// The format given, else the one the file name's extension tells (.csv, .json).
TableFormat tableFormat(const std::optional<std::string>& given, const std::string& path);

// One row as the table holds it; the import checks the values.
struct TableRow {
    int number; // as a spreadsheet numbers it: the CSV header is row 1; JSON counts objects from 1
    std::string country;
    std::string competition;
    std::string slot;
    std::string line; // "" when left empty
    std::string text;
};

// A ToolError naming `name` with every problem of the table's shape: a missing or extra
// column, a row with too few or too many fields, a value of the wrong JSON type.
std::vector<TableRow> readTable(std::string_view bytes, TableFormat format, const std::string& name);

} // namespace places
