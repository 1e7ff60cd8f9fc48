#include "places/Commands.h"

#include "places/DocumentFile.h"
#include "places/FileCheck.h"

namespace places {

int checkCommand(const std::string& file, std::ostream& out) {
    const std::string bytes = readBytes(file);
    FileCheck check(file, out);
    check.scan(bytes);
    return check.findings() == 0 ? 0 : 1;
}

} // namespace places
