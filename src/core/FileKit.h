#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

// The file kit: how the program reads and replaces its files, shared by document saves and the
// settings store. A new version of a file is written to a temporary beside it, flushed, renamed
// over it, and the folder is synced. Where that cannot be done, or would change what the file
// is, the file is written in place instead. Callers keep their own rules on top: which files
// they accept, their locks, their messages.
//
// The kit has one side per platform (FileKitPosix.cpp, ...) behind this header. Every call gives
// 0 for success or an error: the platform's error number (errno on POSIX systems, GetLastError()
// on Windows) or one of the kit's own below. ioCodeFor() turns either into the program's I/O code.
namespace core::files {

using SystemError = int;

// The kit's own errors; negative, so that they are never a platform's number.
inline constexpr SystemError kBusy = -1;         // another copy of the program is saving the file
inline constexpr SystemError kNotAFile = -2;     // a folder, FIFO, device or socket where a file was expected
inline constexpr SystemError kReservedName = -3; // a name Windows keeps for a device (CON, NUL, ...)
inline constexpr SystemError kTooLarge = -4;     // more bytes than the reader takes

// The program's I/O code for an error (see core::EInOutError): 2 not found, 3 bad path,
// 4 too many open files, 5 access denied, 101 disk full, 32 busy, 3 for kNotAFile; for any other
// error 1000 plus the platform's number (a failing device, 1005, has a message of its own).
int ioCodeFor(SystemError error);
// Why the error happened, where the I/O code's message does not tell (another program holding
// the file, a device name): a short phrase, or "" when the message says it all.
std::string causeOf(SystemError error);
// True for a refusal by permissions: the caller may still write the file some other way.
bool isAccessDenied(SystemError error);
// True when the path names nothing.
bool isNotFound(SystemError error);

// What a path names, with what a replacement needs to keep.
struct FileState {
    enum class Kind { Missing, Regular, Directory, Other };
    Kind kind = Kind::Missing;
    bool hasWriteBit = false;   // any write permission bit is set (Windows: not read-only)
    bool hasOtherNames = false; // more than one hard link
    bool hasAttributes = false; // extended attributes or an access list, which a new file must be given
    std::uint32_t mode = 0;     // permission bits (POSIX), file attributes (Windows)
    std::uint32_t owner = 0;    // user and group ids (POSIX)
    std::uint32_t group = 0;
};

// Looks at the object a path names, following symbolic links. A missing one is no error.
SystemError inspect(const std::string& path, FileState& state);
// The path of the object that `path` names once every symbolic link is followed; that object
// need not exist yet (a dangling link names the file that a save creates).
SystemError resolveLinks(const std::string& path, std::string& resolved);
// Whether the current user may write the file itself, by its own permissions.
SystemError checkWritable(const std::string& path);

// Flushes a folder's entries (new names, renames) to disk.
SystemError syncDirectory(const std::string& directory);

std::string parentDirectory(std::string_view path);
std::string fileName(std::string_view path);
// `name` inside `directory`, joined by the system's separator.
std::string childPath(std::string_view directory, std::string_view name);

// Reads a whole regular file without ever blocking on what the path names: kNotAFile for a
// folder, FIFO or device; kTooLarge for more than `limit` bytes, told by the file's size before
// anything is read (or when it grows while being read). `opened`, when given, tells whether the
// path was opened as a regular file, so that a failure was one of reading it.
SystemError readWholeFile(const std::string& path, std::string& contents,
                          std::size_t limit = std::string::npos, bool* opened = nullptr);

// Writes head and tail over an existing file: opened without creating it (and without blocking
// on a FIFO), truncated, written and, for a regular file, flushed to disk. Not atomic: a failure
// part-way leaves the file cut short. Owner, group, links and attributes stay as they were.
SystemError writeInPlace(const std::string& path, std::string_view head, std::string_view tail = {});

// How saveFile() treats a new file and another copy's save.
struct SaveRules {
    std::uint32_t newFileMode = 0666; // for a file that does not exist yet, before the umask
    std::chrono::milliseconds busyWait{500};
    // Flushed to disk before the rename, and the rename made durable. Off for a file that is
    // easily made again (an exported table), as a shell's redirection does not flush either.
    bool durable = true;
};

// Saves head and tail as the whole content of `target`, which must be resolved (see
// resolveLinks()) and described by `state`: missing or a regular file. The file is replaced
// atomically (see FileReplacement) keeping its permission bits, owner and group. It is written
// in place when that cannot work or would change what the file is: no temporary can be made in
// its folder, its owner, group, extended attributes or access list cannot be given to the new
// file, or the file has other hard links.
// Once the file has been replaced, the save has succeeded.
SystemError saveFile(const std::string& target, const FileState& state, std::string_view head,
                     std::string_view tail, const SaveRules& rules);

} // namespace core::files
