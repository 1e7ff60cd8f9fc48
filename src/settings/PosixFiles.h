#pragma once

#include <string>

// The store's own folder and file moves, on top of the file kit (core/FileKit.h). Each returns 0
// or the errno of the failing call.
namespace settings::posix {

// mkdir -p with mode 0700 for the folders it creates; each new entry is synced into its parent.
int makeDirectories(const std::string& dir);

// Renames from to to unless to exists (EEXIST then); callers hold the store's lock.
int renameNoReplace(const std::string& from, const std::string& to);

// Removes "<file>.tmp-XXXXXX", the temporaries that writes of earlier versions left when they
// were killed; callers hold the store's lock, which those versions took too.
void removeOldTemporaries(const std::string& file);

} // namespace settings::posix
