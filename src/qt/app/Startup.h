#pragma once

#include <functional>

namespace app {

class ErrorReport;

// The application title: the caption of every error report.
inline constexpr const char* kApplicationTitle = "Ludovane3Vantorel";

// Sets the application title. The display name is left unset, so that no window
// caption gets the title appended to it.
void setApplicationTitle();

// The classic widget look the windows are laid out for.
void useClassicStyle();

// Runs the program's start-up, message loop and shut-down. An error that escapes
// them is shown in the "Application Error" box and the result is exit code 1.
int runProgram(ErrorReport& report, const std::function<int()>& program);

} // namespace app
