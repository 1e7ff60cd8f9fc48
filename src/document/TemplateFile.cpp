#include "document/TemplateFile.h"

#include "core/FileKit.h"

namespace document {
namespace {

namespace files = core::files;

// Anything but a folder counts, so that what is there under that name gets reported if it
// does not open.
bool isFile(const std::string& path) {
    files::FileState state;
    return files::inspect(path, state) == 0 && state.kind != files::FileState::Kind::Missing &&
           state.kind != files::FileState::Kind::Directory;
}

// The folder above the program's, named plainly rather than through "..": the parent of a
// name inside the program's folder, and its parent, so that a trailing separator makes no
// difference.
std::string prefixOf(const std::string& programDir) {
    const std::string own = files::parentDirectory(files::childPath(programDir, kTemplateName));
    const std::string above = files::parentDirectory(own);
    // Above a drive's root there is nothing: ".." of the root is the root.
    return above == "." ? own : above;
}

} // namespace

std::string templatePath(const std::string& programDir) {
    if (isFile(kTemplateName) || programDir.empty())
        return kTemplateName;
    const std::string installed = files::childPath(
        files::childPath(files::childPath(prefixOf(programDir), "share"), "vantorel"), kTemplateName);
    for (const std::string& candidate : {files::childPath(programDir, kTemplateName), installed})
        if (isFile(candidate))
            return candidate;
    return kTemplateName;
}

} // namespace document
