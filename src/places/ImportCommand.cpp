#include "places/Commands.h"

#include "places/DocumentFile.h"
#include "places/PlaceIndex.h"
#include "places/PlaceText.h"
#include "places/TableReader.h"
#include "places/ToolError.h"

#include <map>
#include <ostream>

namespace places {
namespace {

struct Change {
    Place place;
    std::string bytes;
};

// The place a row names, checked against the document; a ToolError on any fault.
Change resolveRow(const TableRow& row, const document::ConfigBuffer& buffer, const std::string& file) {
    const Place place = placeAt(requireCountry(row.country), requireCompetition(row.competition), row.slot);
    if (!row.line.empty() && row.line != std::to_string(place.line + 1))
        throw ToolError("line " + row.line, "wrong line: " + describePlace(place) + " is on line " +
                                                std::to_string(place.line + 1));
    std::string bytes = placeBytes(row.text, "text");
    requireLine(buffer, place, file);
    return {place, std::move(bytes)};
}

} // namespace

int importCommand(const std::string& file, const std::string& table, const std::optional<std::string>& format,
                  std::ostream& out) {
    const TableFormat tableType = tableFormat(format, table);
    auto buffer = loadDocument(file);
    const auto rows = readTable(readBytes(table), tableType, table);

    // Every row is checked before anything changes.
    std::vector<Change> changes;
    std::vector<Problem> problems;
    std::map<int, int> rowOfLine;
    for (const TableRow& row : rows) {
        const std::string where = "row " + std::to_string(row.number) + ": ";
        try {
            Change change = resolveRow(row, buffer, file);
            const auto [seen, isNew] = rowOfLine.emplace(change.place.line, row.number);
            if (!isNew)
                throw ToolError(describePlace(change.place),
                                "already set by row " + std::to_string(seen->second));
            changes.push_back(std::move(change));
        } catch (const ToolError& e) {
            for (const Problem& p : e.problems())
                problems.push_back({table, where + p.subject + ": " + p.what});
        }
    }
    if (!problems.empty())
        throw ToolError(std::move(problems));

    std::map<std::size_t, std::string> changed;
    for (Change& change : changes) {
        const auto line = std::size_t(change.place.line);
        if (buffer.line(line) != change.bytes)
            changed.emplace(line, std::move(change.bytes));
    }
    if (!changed.empty()) {
        buffer.replaceLines(changed);
        saveDocument(file, buffer);
    }
    out << changed.size() << " of " << changes.size() << " places changed\n";
    return 0;
}

} // namespace places
