#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Reads CSV as RFC 4180 writes it, with the separator a spreadsheet chose: fields quoted
// with double quotes (a quote inside doubled), records ended by CR LF or LF (the last one
// may have none).
namespace places {

struct CsvRecord {
    int number;         // 1 for the first record (a header row is record 1)
    std::size_t offset; // where it starts in the text
    std::vector<std::string> fields;
};

// The separator of the header row (its first record): the comma, semicolon or tab that
// occurs most often outside quotes; a comma when none does.
char guessDelimiter(std::string_view text);

// A ToolError naming `name` and the record for an unterminated quote or text after a
// closing quote.
std::vector<CsvRecord> parseCsv(std::string_view text, char delimiter, const std::string& name);

// The number of the record that holds `offset`, for a text that parses.
int recordAt(const std::vector<CsvRecord>& records, std::size_t offset);

} // namespace places
