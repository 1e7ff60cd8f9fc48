#pragma once

#include "document/ConfigBuffer.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A file whose lines moved: a line added or removed above some places puts every place
// below it on the wrong line. Found by the lines that hold no place (comments, blanks), as
// the template has them: when most of those from some line on stand k lines off, and not
// where they belong, the file is shifted. A file whose other lines simply differ from the
// template's is not.
namespace places {

struct Shift {
    int by;       // lines: more than 0 when lines were added, less when removed
    int fromLine; // 1-based line of the file where it starts
};

std::optional<Shift> findShift(const std::vector<std::string_view>& file,
                               const std::vector<std::string_view>& templ);

// The buffer's first `most` lines.
std::vector<std::string_view> linesOf(const document::ConfigBuffer& buffer,
                                      std::size_t most = std::size_t(-1));

// "the file is shifted by 1 line from line 1".
std::string describeShift(const Shift& shift);

// The template that 'new' would write, when there is one.
std::optional<document::ConfigBuffer> templateBuffer();

// A ToolError naming `file` when it is shifted from the template that 'new' would write
// (nothing is compared when there is no template).
void requireUnshifted(const document::ConfigBuffer& buffer, const std::string& file);

// The same as a warning on `err`, for the commands that only read the file.
void warnIfShifted(const document::ConfigBuffer& buffer, const std::string& file, std::ostream& err);

} // namespace places
