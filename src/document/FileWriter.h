#pragma once

#include <string>

namespace document {

class ConfigBuffer;

// Writes the buffer's text to `path`, followed by one CR LF unless the text already
// ends with one, so that a loaded file is written back byte for byte.
// The target is replaced atomically through the file kit (core/FileKit.h): a temporary
// file beside it is written, flushed and renamed over it, so on any failure the old
// file stays as it was and the temporary is gone. A temporary left by a save that was
// killed is removed by the next save of that file; a save that finds another copy's
// save of the file running waits half a second, then fails as busy (code 32).
// The target keeps its permission bits, owner and group; a symbolic link keeps
// pointing at the file it names, which is the one replaced. Where a replacement
// cannot be made or would change what the file is (a folder the user cannot write,
// an owner or group that cannot be kept, other hard links, an access list), the file
// is truncated and written in place, which is not atomic. A device or FIFO is written
// in place. A target without any write permission bit is read-only for everybody.
// Failures raise EInOutError with the kit's I/O code (5 "File access denied" for a
// read-only target).
void writeFile(const std::string& path, const ConfigBuffer& buffer);

// True when `path` names an existing file system object that is not a folder.
bool fileExists(const std::string& path);

} // namespace document
