#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reads CSV as RFC 4180 writes it: fields separated by commas, quoted with double
// quotes (a quote inside doubled), records ended by CR LF or LF (the last one may
// have none). A UTF-8 byte order mark at the start is skipped.
namespace places {

struct CsvRecord {
    int number; // 1 for the first record (a header row is record 1)
    std::vector<std::string> fields;
};

// A ToolError naming `name` and the record for an unterminated quote or text after a
// closing quote.
std::vector<CsvRecord> parseCsv(std::string_view text, const std::string& name);

} // namespace places
