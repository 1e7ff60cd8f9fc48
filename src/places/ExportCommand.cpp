#include "places/Commands.h"

#include "core/Utf8Path.h"
#include "places/DocumentFile.h"
#include "places/PlaceIndex.h"
#include "places/PlaceText.h"
#include "places/TableReader.h"
#include "places/TableWriter.h"
#include "places/ToolError.h"

#include <filesystem>

namespace places {

int exportCommand(const std::string& file, const std::optional<std::string>& format,
                  const std::string& output, std::ostream& out) {
    std::error_code ec;
    if (output != "-" && std::filesystem::equivalent(core::utf8Path(file), core::utf8Path(output), ec))
        throw ToolError(output, "is the file being exported; the table would overwrite it");
    const TableFormat tableType =
        output == "-" ? tableFormat(format.value_or("csv"), output) : tableFormat(format, output);
    const auto buffer = loadDocument(file);
    Table table{{"country", "competition", "slot", "line", "text"}, {false, false, true, true, false}, {}};
    for (const Place& place : allPlaces())
        table.rows.push_back({std::string(countryName(place.country)),
                              std::string(competitionName(place.competition)), std::to_string(place.slot),
                              std::to_string(place.line + 1), placeText(buffer, place, file)});
    writeBytes(output, tableType == TableFormat::Json ? toJson(table) : toCsv(table), out);
    return 0;
}

} // namespace places
