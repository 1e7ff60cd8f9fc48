#include "places/ToolError.h"

namespace places {

ToolError::ToolError(std::string subject, std::string what)
    : ToolError(std::vector<Problem>{{std::move(subject), std::move(what)}}) {}

ToolError::ToolError(std::vector<Problem> problems)
    : std::runtime_error(problems.empty() ? std::string()
                                          : problems.front().subject + ": " + problems.front().what)
    , m_problems(std::move(problems)) {}

} // namespace places
