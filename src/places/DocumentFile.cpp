#include "places/DocumentFile.h"

#include "core/Exception.h"
#include "document/FileWriter.h"
#include "places/ToolError.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace places {
namespace {

namespace fs = std::filesystem;

// Why a file cannot be read, as far as its status tells.
[[noreturn]] void raiseCannotRead(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status))
        throw ToolError(path, "no such file");
    if (fs::is_directory(status))
        throw ToolError(path, "is a folder, not a file");
    if (!fs::is_regular_file(status))
        throw ToolError(path, "is not a regular file");
    throw ToolError(path, "cannot be read (permission denied?)");
}

} // namespace

document::ConfigBuffer loadDocument(const std::string& path) {
    // The load opens anything that is not a folder; only a regular file is a document.
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        raiseCannotRead(path);
    document::ConfigBuffer buffer;
    try {
        buffer.load(path);
    } catch (const core::EFOpenError&) {
        raiseCannotRead(path);
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
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        raiseCannotRead(path);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        raiseCannotRead(path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        throw ToolError(path, "read error");
    return std::move(bytes).str();
}

void writeBytes(const std::string& path, const std::string& bytes, std::ostream& standardOutput) {
    if (path == "-") {
        standardOutput << bytes;
        return;
    }
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw ToolError(path, "is a folder, not a file");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw ToolError(path, "cannot be written");
    out << bytes;
    out.close();
    if (!out)
        throw ToolError(path, "write error");
}

} // namespace places
