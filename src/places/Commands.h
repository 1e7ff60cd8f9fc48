#pragma once

#include "places/TableReader.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The tool's commands. Each writes its result to `out` (and what it guessed to `err`), returns
// the exit code and raises ToolError for usage, input and I/O errors; none leaves a file
// half-written.
namespace places {

struct ExportOptions {
    std::optional<std::string> format;
    std::optional<char> delimiter;
    std::optional<Encoding> encoding;
    bool excel = false; // UTF-8 with a byte order mark and CR LF, as Excel opens it by double-click
};

int showCommand(const std::string& file, const std::vector<std::string>& countries, std::ostream& out,
                std::ostream& err);
int exportCommand(const std::string& file, const ExportOptions& options, const std::string& output,
                  std::ostream& out, std::ostream& err);
int setCommand(const std::string& file, const std::string& country, const std::string& competition,
               const std::string& slot, const std::string& text, std::ostream& out);
// With `dryRun`, lists what would change as diff does, with its exit codes, and writes nothing.
int importCommand(const std::string& file, const std::string& table, const TableOptions& options, bool dryRun,
                  std::ostream& out, std::ostream& err);
// 0 when no place differs, 1 when some do.
int diffCommand(const std::string& file1, const std::string& file2, const std::string& format,
                std::ostream& out);
// 0 when the file is clean, 1 when there are findings.
int checkCommand(const std::string& file, std::ostream& out);
int newCommand(const std::string& output, std::ostream& out);

} // namespace places
