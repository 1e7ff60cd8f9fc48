#include "places/Commands.h"

#include "places/DocumentFile.h"
#include "places/FileCheck.h"
#include "places/FileShift.h"

namespace places {

int checkCommand(const std::string& file, std::ostream& out) {
    const std::string bytes = readBytes(file);
    const auto templ = templateBuffer();
    FileCheck check(file, out, templ ? linesOf(*templ) : std::vector<std::string_view>{});
    check.scan(bytes);
    return check.findings() == 0 ? 0 : 1;
}

} // namespace places
