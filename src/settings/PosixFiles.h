#pragma once

#include <string>

// Small POSIX file helpers for the store. Each returns 0 or the errno of the failing call.
namespace settings::posix {

// Reads the whole file; EISDIR for a folder.
int readWholeFile(const std::string& path, std::string& contents);

// mkdir -p with mode 0700 for the folders it creates; each new entry is synced into its parent.
int makeDirectories(const std::string& dir);

// Writes contents to a temporary file in the same folder, syncs it, renames it over path and
// syncs the folder, so the file holds either the old or the new contents, durably. On failure
// the temporary file is removed and path is untouched.
int replaceFile(const std::string& path, const std::string& contents);

// Renames from to to unless to exists (EEXIST then); callers hold the store's lock.
int renameNoReplace(const std::string& from, const std::string& to);

std::string parentDirectory(const std::string& path);

} // namespace settings::posix
