#include "places/Commands.h"

#include "core/Utf8Path.h"
#include "places/DocumentFile.h"
#include "places/FileShift.h"
#include "places/PlaceIndex.h"
#include "places/PlaceText.h"
#include "places/TableWriter.h"
#include "places/ToolError.h"

#include <filesystem>

namespace places {

int exportCommand(const std::string& file, const ExportOptions& options, const std::string& output,
                  std::ostream& out, std::ostream& err) {
    std::error_code ec;
    if (output != "-" && std::filesystem::equivalent(core::utf8Path(file), core::utf8Path(output), ec))
        throw ToolError(output, "is the file being exported; the table would overwrite it");
    const auto format = output == "-" ? tableFormat(options.format.value_or("csv"), output)
                                      : tableFormat(options.format, output);
    if (!format)
        throw ToolError(output,
                        "cannot tell the table's format from its name: give --format csv or --format json");
    const bool csvOptions = options.delimiter || options.encoding || options.excel;
    if (*format == TableFormat::Json && csvOptions)
        throw ToolError(output, "--delimiter, --encoding and --excel are for CSV: JSON is always UTF-8");
    const auto buffer = loadDocument(file);
    warnIfShifted(buffer, file, err);
    Table table{{"country", "competition", "slot", "line", "text"}, {false, false, true, true, false}, {}};
    for (const Place& place : allPlaces())
        table.rows.push_back({std::string(countryName(place.country)),
                              std::string(competitionName(place.competition)), std::to_string(place.slot),
                              std::to_string(place.line + 1), placeText(buffer, place, file)});
    if (*format == TableFormat::Json) {
        writeBytes(output, toJson(table), out);
        return 0;
    }
    const bool tsv = output.size() > 4 && (output.ends_with(".tsv") || output.ends_with(".TSV"));
    const CsvStyle style{options.delimiter.value_or(tsv ? '\t' : ','), options.excel};
    // Every text came from the file's Windows-1252 bytes, so each encoding holds it all.
    const Encoding encoding = options.excel ? Encoding::Utf8Bom : options.encoding.value_or(Encoding::Utf8);
    writeBytes(output, encodeTable(toCsv(table, style), encoding), out);
    return 0;
}

} // namespace places
