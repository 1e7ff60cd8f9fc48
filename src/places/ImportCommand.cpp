#include "places/Commands.h"

#include "places/DocumentFile.h"
#include "places/FileShift.h"
#include "places/Mojibake.h"
#include "places/PlaceIndex.h"
#include "places/PlaceText.h"
#include "places/ToolError.h"
#include "places/WholeNumber.h"

#include <map>
#include <ostream>

namespace places {
namespace {

struct Change {
    Place place;
    std::string bytes;
    std::string text; // as the table has it
};

// The place a row names, checked against the document; a ToolError on any fault.
Change resolveRow(const TableRow& row, const document::ConfigBuffer& buffer, const std::string& file) {
    const Place place = placeAt(requireCountry(row.country), requireCompetition(row.competition), row.slot);
    if (!row.line.empty()) {
        const auto line = wholeNumber(row.line);
        if (!line)
            throw ToolError("line " + row.line, "not a line number: " + describePlace(place) +
                                                    " is on line " + std::to_string(place.line + 1));
        if (*line != place.line + 1)
            throw ToolError("line " + row.line, "wrong line: " + describePlace(place) + " is on line " +
                                                    std::to_string(place.line + 1));
    }
    requireLine(buffer, place, file);
    const std::string_view old = buffer.line(std::size_t(place.line));
    // Before the text's own checks: a garbled text may hold characters the file cannot.
    if (const auto garbled = mojibakeProblem(old, row.text))
        throw ToolError("text", *garbled + " (to make this change on purpose, use 'vantorel-places set')");
    std::string bytes = placeBytes(row.text, "text");
    if (bytes != old)
        requireCleanBytes(bytes, old, "text");
    return {place, std::move(bytes), row.text};
}

} // namespace

int importCommand(const std::string& file, const std::string& table, const TableOptions& options, bool dryRun,
                  std::ostream& out, std::ostream& err) {
    auto buffer = loadDocument(file);
    requireUnshifted(buffer, file);
    const TableRead read = readTable(readBytes(table), options, table);
    for (const std::string& note : read.notes)
        err << kProgramName << ": " << table << ": " << note << "\n";

    // Every row is checked before anything changes.
    std::map<int, Change> changes; // by line
    std::vector<Problem> problems;
    std::map<int, int> rowOfLine;
    for (const TableRow& row : read.rows) {
        const std::string where = "row " + std::to_string(row.number) + ": ";
        try {
            Change change = resolveRow(row, buffer, file);
            const auto [seen, isNew] = rowOfLine.emplace(change.place.line, row.number);
            if (!isNew)
                throw ToolError(describePlace(change.place),
                                "already set by row " + std::to_string(seen->second));
            changes.emplace(change.place.line, std::move(change));
        } catch (const ToolError& e) {
            for (const Problem& p : e.problems())
                problems.push_back({table, where + p.subject + ": " + p.what});
        }
    }
    if (!problems.empty())
        throw ToolError(std::move(problems));

    // The changed places as diff lists them.
    std::map<std::size_t, std::string> changed;
    std::string list;
    for (const Place& place : allPlaces()) {
        const auto found = changes.find(place.line);
        if (found == changes.end() || buffer.line(std::size_t(place.line)) == found->second.bytes)
            continue;
        list += describeChange(place, placeText(buffer, place, file), found->second.text);
        changed.emplace(std::size_t(place.line), std::move(found->second.bytes));
    }
    if (dryRun) {
        out << list;
        return changed.empty() ? 0 : 1;
    }
    if (!changed.empty()) {
        buffer.replaceLines(changed);
        saveDocument(file, buffer);
    }
    out << list << changed.size() << " of " << changes.size() << " places changed\n";
    return 0;
}

} // namespace places
