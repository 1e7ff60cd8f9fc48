#include "places/DocumentFile.h"

#include "core/Exception.h"
#include "core/FileKit.h"
#include "document/FileWriter.h"
#include "places/ToolError.h"

#include <iostream>
#include <iterator>

namespace places {
namespace {

namespace files = core::files;

// Why a path cannot be read or written as a file.
std::string problemWith(const std::string& path, files::SystemError error) {
    files::FileState state;
    if (files::inspect(path, state) == 0) {
        if (state.kind == files::FileState::Kind::Missing)
            return "no such file";
        if (state.kind == files::FileState::Kind::Directory)
            return "is a folder, not a file";
        if (state.kind == files::FileState::Kind::Other)
            return "is not a regular file";
    }
    if (error == 0 || files::isAccessDenied(error))
        return "permission denied";
    // On Windows: another program holding the file, a device name.
    return core::EInOutError(files::ioCodeFor(error), files::causeOf(error)).message();
}

// Only a regular file is a document or a table: the load opens a FIFO or device too.
void requireRegularFile(const std::string& path) {
    files::FileState state;
    if (const auto error = files::inspect(path, state))
        throw ToolError(path, problemWith(path, error));
    if (state.kind != files::FileState::Kind::Regular)
        throw ToolError(path, problemWith(path, files::kNotAFile));
}

} // namespace

document::ConfigBuffer loadDocument(const std::string& path) {
    requireRegularFile(path);
    document::ConfigBuffer buffer;
    try {
        buffer.load(path);
    } catch (const core::EFOpenError&) {
        // The load tells only that the file did not open; opening it once more (reading
        // nothing) tells why.
        std::string nothing;
        throw ToolError(path,
                        "cannot be opened: " + problemWith(path, files::readWholeFile(path, nothing, 0)));
    } catch (const core::Exception& e) {
        throw ToolError(path, e.message());
    }
    return buffer;
}

void saveDocument(const std::string& path, const document::ConfigBuffer& buffer) {
    if (buffer.wasCutAtNul())
        throw ToolError(path, "holds a NUL byte, and saving would cut the file there; "
                              "see 'vantorel-places check'");
    try {
        document::writeFile(path, buffer);
    } catch (const core::Exception& e) {
        throw ToolError(path, "cannot be saved: " + e.message());
    }
}

std::string readBytes(const std::string& path) {
    if (path == "-")
        return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    std::string contents;
    if (const auto error = files::readWholeFile(path, contents))
        throw ToolError(path, problemWith(path, error));
    return contents;
}

void writeBytes(const std::string& path, const std::string& bytes, std::ostream& standardOutput) {
    if (path == "-") {
        standardOutput << bytes;
        return;
    }
    // A temporary beside the target, renamed over it: a failure leaves the old table. Not
    // flushed to disk, as a shell's redirection is not: that would cost more than the export.
    // Through the file kit, which takes any name and path length on Windows too.
    std::string target;
    files::FileState state;
    files::SystemError error = files::resolveLinks(path, target);
    if (error == 0)
        error = files::inspect(target, state);
    if (error == 0 && state.kind != files::FileState::Kind::Missing &&
        state.kind != files::FileState::Kind::Regular)
        error = files::kNotAFile;
    if (error == 0)
        error = files::saveFile(target, state, bytes, {}, files::SaveRules{.durable = false});
    if (error != 0)
        throw ToolError(path, "cannot be written: " + problemWith(path, error));
}

} // namespace places
