#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The tool's commands. Each writes its result to `out`, returns the exit code and
// raises ToolError for usage, input and I/O errors; none leaves a file half-written.
namespace places {

int showCommand(const std::string& file, const std::vector<std::string>& countries, std::ostream& out);
int exportCommand(const std::string& file, const std::optional<std::string>& format,
                  const std::string& output, std::ostream& out);
int setCommand(const std::string& file, const std::string& country, const std::string& competition,
               const std::string& slot, const std::string& text, std::ostream& out);
int importCommand(const std::string& file, const std::string& table, const std::optional<std::string>& format,
                  std::ostream& out);
// 0 when no place differs, 1 when some do.
int diffCommand(const std::string& file1, const std::string& file2, const std::string& format,
                std::ostream& out);
// 0 when the file is clean, 1 when there are findings.
int checkCommand(const std::string& file, std::ostream& out);
int newCommand(const std::string& output, std::ostream& out);

} // namespace places
