#pragma once

#include "core/FileKit.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace core::files {

// The new version of a file, written to a temporary beside it and then renamed over it.
//
// Each target has one temporary name, ".<name>.vantorel-save" in its folder, and the writer
// that makes it holds a lock on it from creation until it has been renamed or removed. A file
// under that name whose lock is free was left by a writer that never finished (killed, or the
// machine went down): it is removed and made anew, so nothing is left over once the next write
// is done. A live writer's temporary is waited for, up to the given time, then kBusy.
class FileReplacement {
public:
    explicit FileReplacement(std::string target);
    ~FileReplacement(); // removes the temporary unless it became the target
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Makes the temporary with `mode` (the umask applies).
    SystemError create(std::uint32_t mode, std::chrono::milliseconds busyWait);
    // Gives the temporary the owner and group of `like`; an error when either cannot be kept.
    SystemError keepOwner(const FileState& like);
    SystemError keepMode(const FileState& like);
    // Copies the target's extended attributes and access list to the temporary; an error when
    // one cannot be copied.
    SystemError keepAttributes();
    SystemError write(std::string_view head, std::string_view tail = {});
    // Flushes the temporary to disk (unless toDisk is false) and closes it.
    SystemError flush(bool toDisk = true);
    // Renames the flushed temporary over the target, then makes that durable (unless durable is
    // false): the folder is synced, or the rename written through. An error only when the rename
    // fails: a folder that cannot be synced afterwards changes nothing that happened.
    SystemError replaceTarget(bool durable = true);
    // Removes the temporary now.
    void discard();

private:
    struct Platform;
    std::unique_ptr<Platform> m_platform;
};

} // namespace core::files
