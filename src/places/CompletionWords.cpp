// Build step: fills the country names of the table into the bash completion script, so
// that the script and the program cannot disagree.
//   vantorel_completion_words <script template> <script>
#include "document/CountryPlaces.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vantorel_completion_words TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream script;
    script << in.rdbuf();
    std::string names;
    for (int row = 0; row < document::kCountryCount; ++row)
        names += std::string(row ? "\n" : "") + std::string(document::countryRow(row).listEntry);
    std::string text = script.str();
    const std::string placeholder = "@COUNTRIES@";
    const auto at = text.find(placeholder);
    if (!in || at == std::string::npos) {
        std::cerr << argv[1] << ": no " << placeholder << " to fill in\n";
        return 1;
    }
    text.replace(at, placeholder.size(), names);
    std::ofstream out(argv[2]);
    out << text;
    return out ? 0 : 1;
}
