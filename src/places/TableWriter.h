#pragma once

#include <string>
#include <vector>

// Tables the tool writes (export, diff): CSV with a header row, or JSON, an array of objects
// keyed by the column names. All text is UTF-8.
namespace places {

struct Table {
    std::vector<std::string> columns;
    std::vector<bool> numeric; // per column: JSON writes it as a number
    std::vector<std::vector<std::string>> rows;
};

struct CsvStyle {
    char delimiter = ',';
    bool crlf = false; // CR LF line ends, else LF
};

std::string toCsv(const Table& table, const CsvStyle& style = {});
std::string toJson(const Table& table);

} // namespace places
