#pragma once

#include <string>

namespace document {

class ConfigBuffer;

// Writes the buffer's text to `path`, followed by one CR LF unless the text already
// ends with one, so that a loaded file is written back byte for byte.
// The target is replaced atomically: a temporary file beside it is written, flushed
// and renamed over it, so on any failure the old file stays as it was and the
// temporary is gone. The temporary is ".<name>.vantorel-save" beside the target,
// locked while in use; one left by a save that was killed is removed by the next
// save of that file, and two saves of one file at once take turns.
// The target keeps its permission bits; a symbolic link keeps pointing at the file
// it names, which is the one replaced. A target without any write permission bit is
// read-only for everybody. Failures raise EInOutError with the code that the errno
// maps to (5 "File access denied" for a read-only target).
void writeFile(const std::string& path, const ConfigBuffer& buffer);

// True when `path` names an existing file system object that is not a folder.
bool fileExists(const std::string& path);

} // namespace document
