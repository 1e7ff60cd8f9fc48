#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A failure the tool reports and exits on with code 2: usage, input and I/O errors.
// Each problem names what it is about (a file, an argument, a table row) and what
// is wrong; one error may carry several, as a bad table does.
namespace places {

// How the tool names itself in every message.
inline constexpr const char* kProgramName = "vantorel-places";

struct Problem {
    std::string subject;
    std::string what;
};

class ToolError : public std::runtime_error {
public:
    ToolError(std::string subject, std::string what);
    explicit ToolError(std::vector<Problem> problems);

    const std::vector<Problem>& problems() const noexcept { return m_problems; }

private:
    std::vector<Problem> m_problems;
};

} // namespace places
