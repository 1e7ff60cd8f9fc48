#pragma once

#include "places/TableEncoding.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads a table for import as spreadsheets write it: CSV with a header row naming the columns
// country, competition, slot, text and (optionally) line, in any order and any case, separated by
// commas, semicolons or tabs; or JSON, an array of objects with those keys. Other columns are
// left out.
namespace places {

enum class TableFormat { Csv, Json };

// The format given, else the one the file name's extension tells (.json; .csv, .tsv, .txt);
// nothing when neither does.
std::optional<TableFormat> tableFormat(const std::optional<std::string>& given, const std::string& path);

struct TableOptions {
    std::optional<std::string> format; // "csv" or "json"
    std::optional<char> delimiter;     // else told by the header row
    std::optional<Encoding> encoding;  // else told by the bytes
};

// One row as the table holds it; the import checks the values.
struct TableRow {
    int number; // as a spreadsheet numbers it: the CSV header is row 1; JSON counts objects from 1
    std::string country;
    std::string competition;
    std::string slot;
    std::string line; // "" when left empty or absent
    std::string text;
};

struct TableRead {
    std::vector<TableRow> rows;
    std::vector<std::string> notes; // what the reader guessed or left out, for standard error
};

// A ToolError naming `name` with every problem of the table's shape: a missing or repeated
// column, a row with too few or too many fields, a value of the wrong JSON type, two encodings
// in one table. Without a format by option or name, a table that starts with '[' is JSON.
TableRead readTable(std::string_view bytes, const TableOptions& options, const std::string& name);

} // namespace places
