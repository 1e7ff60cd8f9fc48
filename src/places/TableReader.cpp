#include "places/TableReader.h"

#include "places/CsvReader.h"
#include "places/ToolError.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <nlohmann/json.hpp>

namespace places {
namespace {

constexpr std::array<std::string_view, 5> kColumns = {"country", "competition", "slot", "line", "text"};
constexpr std::size_t kLine = 3;
constexpr std::size_t kAbsent = std::size_t(-1);

std::string inQuotes(std::string_view name) {
    std::string text(1, '\'');
    text.append(name).push_back('\'');
    return text;
}

std::string delimiterName(char delimiter) {
    return delimiter == '\t' ? std::string("tab") : inQuotes(std::string_view(&delimiter, 1));
}

TableRow rowOf(int number, const std::array<std::string, 5>& values) {
    return {number, values[0], values[1], values[2], values[3], values[4]};
}

// A header name as people write it: blanks around it and the case do not count.
std::string headerName(std::string_view field) {
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t'))
        field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t'))
        field.remove_suffix(1);
    std::string name(field);
    for (char& c : name)
        c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return name;
}

// A header of one column where another separator was meant.
std::string oneColumnHeader(const std::string& field, char delimiter) {
    for (const char other : {',', ';', '\t'}) {
        if (other != delimiter && field.find(other) != std::string::npos)
            return "the header has 1 column: is the separator " + delimiterName(other) +
                   "? use --delimiter " + (other == '\t' ? std::string("tab") : inQuotes({&other, 1}));
    }
    return "the header has 1 column, " + inQuotes(field) +
           ": the first row must name the columns country, competition, slot, line and text";
}

std::string ignoredColumns(const std::vector<std::string>& named, int empty) {
    std::string text = "ignored columns:";
    for (std::size_t i = 0; i < named.size(); ++i)
        text += (i ? ", " : " ") + inQuotes(named[i]);
    if (empty > 0)
        text += (named.empty() ? " " : ", ") + std::to_string(empty) + " without a name";
    return text;
}

std::vector<TableRow> readCsv(std::string_view text, char delimiter, const std::string& name,
                              std::vector<std::string>& notes) {
    const auto records = parseCsv(text, delimiter, name);
    if (records.empty())
        throw ToolError(name, "the table is empty: it needs the header row " +
                                  std::string("country,competition,slot,line,text"));
    // Where each column is in the header.
    std::array<std::size_t, 5> at;
    at.fill(kAbsent);
    std::vector<Problem> problems;
    std::vector<std::string> ignored;
    int unnamed = 0;
    const auto& header = records.front().fields;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string column = headerName(header[i]);
        const auto known = std::find(kColumns.begin(), kColumns.end(), column);
        if (known == kColumns.end()) {
            if (column.empty())
                ++unnamed;
            else
                ignored.push_back(header[i]);
        } else if (at[std::size_t(known - kColumns.begin())] != kAbsent) {
            problems.push_back({name, "column " + inQuotes(column) + " appears twice"});
        } else {
            at[std::size_t(known - kColumns.begin())] = i;
        }
    }
    if (header.size() == 1 && at[0] == kAbsent)
        throw ToolError(name, oneColumnHeader(header.front(), delimiter));
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        if (at[c] == kAbsent && c != kLine)
            problems.push_back({name, "missing column " + inQuotes(kColumns[c])});
    }
    if (!problems.empty())
        throw ToolError(std::move(problems));
    if (!ignored.empty() || unnamed > 0)
        notes.push_back(ignoredColumns(ignored, unnamed));

    std::size_t needed = 0; // fields a row must have
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        if (at[c] != kAbsent && c != kLine)
            needed = std::max(needed, at[c] + 1);
    }
    std::vector<TableRow> rows;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const auto& fields = records[r].fields;
        // A blank line, or a row a spreadsheet left with only separators.
        if (std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); }))
            continue;
        // Fields past the header's are fine when empty, as a spreadsheet leaves them.
        const bool extra =
            std::any_of(fields.begin() + std::ptrdiff_t(std::min(fields.size(), header.size())), fields.end(),
                        [](const std::string& f) { return !f.empty(); });
        if (fields.size() < needed || extra) {
            problems.push_back({name, "row " + std::to_string(records[r].number) + ": " +
                                          std::to_string(fields.size()) + " fields where the header has " +
                                          std::to_string(header.size())});
            continue;
        }
        std::array<std::string, 5> values;
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            if (at[c] < fields.size())
                values[c] = fields[at[c]];
        }
        rows.push_back(rowOf(records[r].number, values));
    }
    if (!problems.empty())
        throw ToolError(std::move(problems));
    return rows;
}

// "[json.exception.parse_error.101] parse error at line 2, column 5: syntax error ..." in plain words.
std::string jsonProblem(const nlohmann::json::parse_error& e) {
    std::string what = e.what();
    if (const auto bracket = what.find("] "); what.front() == '[' && bracket != std::string::npos)
        what.erase(0, bracket + 2);
    if (what.rfind("parse error ", 0) == 0)
        what.erase(0, 12);
    if (what.rfind("at ", 0) != 0)
        what = "at byte " + std::to_string(e.byte) + ": " + what;
    return "not valid JSON " + what;
}

// A slot or line as JSON holds it: a whole number, a number with nothing after the point, or text.
bool numberText(const nlohmann::json& value, std::string& text) {
    if (value.is_number_integer()) {
        text = std::to_string(value.get<long long>());
    } else if (value.is_number_float()) {
        const double d = value.get<double>();
        if (d != double(static_cast<long long>(d)))
            return false;
        text = std::to_string(static_cast<long long>(d));
    } else if (value.is_string()) {
        text = value.get<std::string>();
    } else {
        return false;
    }
    return true;
}

std::vector<TableRow> readJson(std::string_view text, const std::string& name) {
    nlohmann::json document;
    try {
        document = nlohmann::json::parse(text);
    } catch (const nlohmann::json::parse_error& e) {
        throw ToolError(name, jsonProblem(e));
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
                if (c != kLine)
                    problems.push_back({name, where + "missing key " + inQuotes(key)});
            } else if (isNumber ? !numberText(*found, values[c]) : !found->is_string()) {
                problems.push_back(
                    {name, where + inQuotes(key) + " must be " + (isNumber ? "a whole number" : "a string")});
            } else if (!isNumber) {
                values[c] = found->get<std::string>();
            }
        }
        if (problems.size() == before)
            rows.push_back(rowOf(number, values));
    }
    if (!problems.empty())
        throw ToolError(std::move(problems));
    return rows;
}

int lineAt(std::string_view text, std::size_t offset) {
    return 1 + int(std::count(text.begin(), text.begin() + std::ptrdiff_t(offset), '\n'));
}

// Both encodings in one table: where the later of the two first appears, and the other.
[[noreturn]] void refuseMixture(const DecodedTable& decoded, TableFormat format, char delimiter,
                                const std::string& name) {
    const auto& mixed = *decoded.mixed;
    std::string unit = "line";
    std::function<int(std::size_t)> numberAt = [&](std::size_t offset) {
        return lineAt(decoded.text, offset);
    };
    std::vector<CsvRecord> records;
    if (format == TableFormat::Csv) {
        try {
            records = parseCsv(decoded.text, delimiter, name);
            unit = "row";
            numberAt = [&](std::size_t offset) {
                return recordAt(records, offset);
            };
        } catch (const ToolError&) {
        }
    }
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(decoded.text[mixed.otherAt]));
    const int utf8Row = numberAt(mixed.utf8At), otherRow = numberAt(mixed.otherAt);
    const std::string character =
        "the UTF-8 character " + inQuotes(decoded.text.substr(mixed.utf8At, mixed.utf8Length));
    const std::string other = "the byte " + std::string(byte) + ", which is not UTF-8";
    const std::string advice = ": the table mixes two encodings; save it again as UTF-8, or give --encoding";
    if (utf8Row == otherRow)
        throw ToolError(name, unit + " " + std::to_string(utf8Row) + " has both " + character + " and " +
                                  other + advice);
    const bool utf8Later = mixed.utf8At > mixed.otherAt;
    throw ToolError(name, unit + " " + std::to_string(std::max(utf8Row, otherRow)) + ": " +
                              (utf8Later ? character : other) + ", where " + unit + " " +
                              std::to_string(std::min(utf8Row, otherRow)) + " has " +
                              (utf8Later ? other : character) + advice);
}

TableFormat formatOf(const TableOptions& options, const std::string& name, std::string_view text) {
    if (const auto known = tableFormat(options.format, name))
        return *known;
    const auto first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text[first] == '[' ? TableFormat::Json : TableFormat::Csv;
}

} // namespace

std::optional<TableFormat> tableFormat(const std::optional<std::string>& given, const std::string& path) {
    if (given)
        return *given == "json" ? TableFormat::Json : TableFormat::Csv;
    const auto dot = path.rfind('.');
    std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
    for (char& c : extension)
        c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    if (extension == "csv" || extension == "tsv" || extension == "txt")
        return TableFormat::Csv;
    if (extension == "json")
        return TableFormat::Json;
    return std::nullopt;
}

TableRead readTable(std::string_view bytes, const TableOptions& options, const std::string& name) {
    DecodedTable decoded = decodeTable(bytes, options.encoding, name);
    const TableFormat format = formatOf(options, name, decoded.text);
    const char delimiter = options.delimiter.value_or(guessDelimiter(decoded.text));
    if (decoded.mixed)
        refuseMixture(decoded, format, delimiter, name);
    TableRead read;
    // A byte order mark that a program read as Windows-1252 and saved as UTF-8: the texts were
    // read so too, and the import refuses those it garbled.
    constexpr std::string_view kGarbledBom = "\xC3\xAF\xC2\xBB\xC2\xBF";
    if (decoded.text.starts_with(kGarbledBom)) {
        decoded.text.erase(0, kGarbledBom.size());
        read.notes.push_back("starts with '" + std::string(kGarbledBom) +
                             "', a byte order mark read as Windows-1252: was the table opened as UTF-8?");
    }
    if (decoded.guessed)
        read.notes.push_back("read as Windows-1252, as it is not UTF-8 and holds no UTF-8 character "
                             "(--encoding chooses)");
    read.rows = format == TableFormat::Json ? readJson(decoded.text, name)
                                            : readCsv(decoded.text, delimiter, name, read.notes);
    return read;
}

} // namespace places
