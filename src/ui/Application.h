#pragma once

// The program as a whole, the same in both front ends.
namespace ui {

// The application title: the task-bar entry's name and the caption of every error report.
inline constexpr const char* kApplicationTitle = "Ludovane3Vantorel";

// The command line takes at most one file.
inline constexpr const char* kUsage = "usage: vantorel [FILE]";

} // namespace ui
