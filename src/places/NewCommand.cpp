#include "places/Commands.h"

#include "core/ProgramDirectory.h"
#include "core/Utf8Path.h"
#include "document/TemplateFile.h"
#include "places/DocumentFile.h"
#include "places/ToolError.h"

#include <filesystem>

namespace places {

int newCommand(const std::string& output, std::ostream& /*out*/) {
    // A typing slip must not overwrite a season's work.
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(core::utf8Path(output), ec)))
        throw ToolError(output, "already exists; remove it first or choose another name");
    saveDocument(output, loadDocument(document::templatePath(core::programDirectory())));
    return 0;
}

} // namespace places
