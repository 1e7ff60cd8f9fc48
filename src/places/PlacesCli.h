#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace places {

// Runs vantorel-places with its arguments (without the program's name), all UTF-8,
// and gives the exit code: 0 done, 1 for diff and check when they found something,
// 2 for usage, input and I/O errors, which go to `err` as
// "vantorel-places: <file or argument>: <what is wrong>".
int runPlaces(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace places
