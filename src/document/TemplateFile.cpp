#include "document/TemplateFile.h"

#include "core/Utf8Path.h"

#include <filesystem>
#include <system_error>

namespace document {
namespace {

namespace fs = std::filesystem;

bool isFile(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec) && !fs::is_directory(path, ec);
}

} // namespace

std::string templatePath(const std::string& programDir) {
    if (isFile(kTemplateName))
        return kTemplateName;
    if (programDir.empty())
        return kTemplateName;
    const fs::path dir = core::utf8Path(programDir);
    for (const fs::path& candidate : {dir / kTemplateName, dir / "../share/vantorel" / kTemplateName}) {
        if (isFile(candidate))
            return core::utf8Name(candidate.lexically_normal());
    }
    return kTemplateName;
}

} // namespace document
