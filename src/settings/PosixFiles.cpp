#include "settings/PosixFiles.h"

#include "core/FileKit.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace settings::posix {

int makeDirectories(const std::string& dir) {
    std::size_t pos = 0;
    while (pos != std::string::npos) {
        pos = dir.find('/', pos + 1);
        const std::string prefix = dir.substr(0, pos);
        struct stat st {};
        if (::stat(prefix.c_str(), &st) != 0) {
            if (errno != ENOENT)
                return errno;
            if (::mkdir(prefix.c_str(), 0700) == 0) {
                core::files::syncDirectory(core::files::parentDirectory(prefix));
                continue;
            }
            if (errno != EEXIST || ::stat(prefix.c_str(), &st) != 0)
                return errno;
        }
        if (!S_ISDIR(st.st_mode))
            return ENOTDIR;
    }
    return 0;
}

int renameNoReplace(const std::string& from, const std::string& to) {
    // Only safe against other copies of the program while their lock is held, which is enough here.
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0)
        return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

void removeOldTemporaries(const std::string& file) {
    const std::string folder = core::files::parentDirectory(file);
    const std::string prefix = core::files::fileName(file) + ".tmp-";
    constexpr std::size_t kRandomPart = 6; // what mkstemp() puts in place of its XXXXXX
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() == prefix.size() + kRandomPart && name.starts_with(prefix))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace settings::posix
