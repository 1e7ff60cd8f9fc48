#pragma once

#include "document/ConfigBuffer.h"

#include <string>

// Files as the tool reads and writes them. Every failure is a ToolError naming the
// file; a save goes through the editor's own Write (document::writeFile), so it is
// atomic and keeps the old file on failure.
namespace places {

// The file loaded as the editor loads it.
document::ConfigBuffer loadDocument(const std::string& path);

// Saves the buffer to `path`. Refuses a document whose file held a NUL byte: the
// load cut it there, and saving would lose the rest of the file.
void saveDocument(const std::string& path, const document::ConfigBuffer& buffer);

// The file's bytes as they are ("-" reads standard input).
std::string readBytes(const std::string& path);

// Writes the bytes to `path`, replacing it ("-" writes to `standardOutput`).
void writeBytes(const std::string& path, const std::string& bytes, std::ostream& standardOutput);

} // namespace places
