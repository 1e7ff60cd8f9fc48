#include "settings/RegistryStore.h"

#include "core/Boundary.h"
#include "core/Exception.h"
#include "core/FileKit.h"
#include "settings/FileLock.h"
#include "settings/PosixFiles.h"
#include "settings/RegistryFile.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

namespace {

namespace files = core::files;

// How long a write waits for a temporary that another writer holds; under the store's lock that
// is only a copy of an older version of the program.
constexpr files::SaveRules kSaveRules{0600, std::chrono::milliseconds(500)};

std::string lockPathFor(const std::string& filePath) {
    return filePath + ".lock";
}

std::string utcTimestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

void report(const std::string& message) {
    core::reportException(std::make_exception_ptr(core::ERegistryException(message)));
}

// Renames a file that cannot be parsed out of the way; the caller holds the lock. Returns the
// message for the user, or nullopt when the file could not be moved.
std::optional<std::string> moveAside(const std::string& path, const RegistryFile::ParseError& error) {
    const std::string base = path + ".broken-" + utcTimestamp();
    std::string aside = base;
    int err = posix::renameNoReplace(path, aside);
    for (int n = 2; err == EEXIST && n < 1000; ++n) {
        aside = base + "-" + std::to_string(n);
        err = posix::renameNoReplace(path, aside);
    }
    if (err != 0)
        return std::nullopt;
    return "The settings file " + path + " could not be read (" + error.what() + "). It was kept as " +
           aside + " and the settings start empty";
}

// Names one version of the file: "" when it is gone.
std::string fileVersion(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return path + '|' + std::to_string(st.st_dev) + '|' + std::to_string(st.st_ino) + '|' +
           std::to_string(st.st_size) + '|' + std::to_string(st.st_mtim.tv_sec) + '.' +
           std::to_string(st.st_mtim.tv_nsec);
}

// A problem with one version of the file is reported once, not on every read.
void reportOncePerVersion(const std::string& path, const std::string& message) {
    static std::set<std::string> reported;
    const std::string identity = fileVersion(path);
    if (!identity.empty() && reported.insert(identity).second)
        report(message);
}

void reportUnmovable(const std::string& path, const RegistryFile::ParseError& error) {
    reportOncePerVersion(path,
                         "The settings file " + path + " could not be read (" + error.what() +
                             ") and could not be moved aside; the settings are empty and cannot be saved");
}

// A folder, FIFO or device where the file should be: never opened for long, never removed.
void reportNotAFile(const std::string& path) {
    reportOncePerVersion(path, "The settings file " + path +
                                   " is not a regular file (a folder, FIFO or device is there); the settings "
                                   "are empty and cannot be saved");
}

// The file that the store's path names: a symbolic link (as dotfile managers make) stays a
// link, and the file it names is the one read and replaced.
std::string resolvedTarget(const std::string& path) {
    std::string target;
    return files::resolveLinks(path, target) == 0 ? target : path;
}

// Tells the user once per version of the file (fileVersion() when it was read) which lines the
// reader passed over; read and write alike, since a write leaves them out. Call without holding
// the lock.
void reportSkipped(const std::string& path, const std::string& version,
                   const std::vector<RegistryFile::SkippedLine>& skipped) {
    static std::set<std::string> reported;
    if (skipped.empty() || !reported.insert(version).second)
        return;
    constexpr std::size_t kListed = 3;
    std::string lines;
    for (std::size_t i = 0; i < skipped.size() && i < kListed; ++i)
        lines += (i == 0 ? "line " : "; line ") + std::to_string(skipped[i].line) + ": " + skipped[i].reason;
    if (skipped.size() > kListed)
        lines += "; and " + std::to_string(skipped.size() - kListed) + " more";
    const bool one = skipped.size() == 1;
    const std::string message =
        "The settings file " + path + " has " + (one ? "a line" : std::to_string(skipped.size()) + " lines") +
        " that could not be read (" + lines + "). " + (one ? "That line is" : "Those lines are") +
        " skipped and will not be written back; the other settings were read";
    core::reportException(std::make_exception_ptr(core::EWarning(message)));
}

bool validKeyPath(const std::string& path) {
    return RegistryTree::isValidPath(path);
}

} // namespace

RegistryStore::RegistryStore(std::string filePath)
    : m_fixedPath(std::move(filePath)) {}

std::string RegistryStore::defaultFilePath() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string configHome;
    if (xdg != nullptr && xdg[0] == '/') {
        configHome = xdg;
    } else {
        const char* home = std::getenv("HOME");
        std::string homeDir = home != nullptr ? home : "";
        if (homeDir.empty()) {
            if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr)
                homeDir = pw->pw_dir;
        }
        if (homeDir.empty())
            return {};
        configHome = homeDir + "/.config";
    }
    while (configHome.size() > 1 && configHome.back() == '/')
        configHome.pop_back();
    if (configHome == "/")
        configHome.clear();
    return configHome + "/vantorel/registry.reg";
}

std::string RegistryStore::filePath() const {
    return m_fixedPath ? *m_fixedPath : defaultFilePath();
}

RegistryTree RegistryStore::load() const {
    const std::string path = filePath();
    if (path.empty())
        return {};
    const std::string target = resolvedTarget(path);
    std::string text;
    if (const files::SystemError err = files::readWholeFile(target, text)) {
        if (err == files::kNotAFile)
            reportNotAFile(target);
        return {}; // no file yet, or one that cannot be read: nothing to see
    }
    try {
        RegistryFile::Contents contents = RegistryFile::parse(text);
        if (!contents.skipped.empty())
            reportSkipped(target, fileVersion(target), contents.skipped);
        return std::move(contents.tree);
    } catch (const RegistryFile::ParseError&) {
    }

    // Look again under the lock: another copy may have just replaced or moved it.
    std::optional<std::string> message;
    RegistryFile::Contents contents;
    std::string version;
    {
        FileLock lock;
        const bool locked = lock.acquire(lockPathFor(path)) == 0;
        if (files::readWholeFile(target, text) != 0)
            return {};
        try {
            contents = RegistryFile::parse(text);
            version = fileVersion(target);
        } catch (const RegistryFile::ParseError& error) {
            message = locked ? moveAside(target, error) : std::nullopt;
            if (!message)
                reportUnmovable(target, error);
        }
    }
    if (message)
        report(*message); // after unlocking: the report may wait for the user
    reportSkipped(target, version, contents.skipped);
    return std::move(contents.tree);
}

bool RegistryStore::update(const std::function<bool(RegistryTree&)>& change) {
    const std::string path = filePath();
    if (path.empty())
        return false;
    const std::string target = resolvedTarget(path);
    std::optional<std::string> message;
    RegistryFile::Contents contents;
    std::string version; // of the file read, for telling of its skipped lines
    bool ok = false;
    {
        if (posix::makeDirectories(files::parentDirectory(path)) != 0 ||
            posix::makeDirectories(files::parentDirectory(target)) != 0)
            return false;
        FileLock lock;
        if (lock.acquire(lockPathFor(path)) != 0)
            return false;

        posix::removeOldTemporaries(target);
        files::FileState state;
        if (files::inspect(target, state) != 0)
            return false;
        if (state.kind != files::FileState::Kind::Missing && state.kind != files::FileState::Kind::Regular) {
            reportNotAFile(target);
            return false;
        }
        std::string text;
        const files::SystemError readError = files::readWholeFile(target, text);
        if (readError == 0) {
            try {
                contents = RegistryFile::parse(text);
                if (!contents.skipped.empty())
                    version = fileVersion(target);
            } catch (const RegistryFile::ParseError& error) {
                message = moveAside(target, error);
                if (!message) {
                    reportUnmovable(target, error);
                    return false; // never write over what could not be kept
                }
                state = files::FileState{}; // moved away: the file is made anew
            }
        } else if (!files::isNotFound(readError)) {
            return false; // writing now would lose whatever the file holds
        }
        ok = !change(contents.tree) ||
             files::saveFile(target, state, RegistryFile::serialise(contents.tree), {}, kSaveRules) == 0;
    }
    if (message)
        report(*message);
    reportSkipped(target, version, contents.skipped);
    return ok;
}

bool RegistryStore::createKey(const std::string& path) {
    if (!validKeyPath(path))
        return false;
    if (keyExists(path))
        return true;
    return update([&](RegistryTree& tree) { return tree.createKey(path); });
}

bool RegistryStore::keyExists(const std::string& path) const {
    return validKeyPath(path) && load().keyExists(path);
}

std::optional<RegistryValue> RegistryStore::queryValue(const std::string& keyPath,
                                                       const std::string& name) const {
    if (!validKeyPath(keyPath))
        return std::nullopt;
    const RegistryTree tree = load();
    if (const RegistryValue* value = tree.value(keyPath, name))
        return *value;
    return std::nullopt;
}

bool RegistryStore::setValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                             const std::string& data) {
    return setValues(keyPath, {{name, RegistryValue{type, data}}});
}

bool RegistryStore::setValues(const std::string& keyPath,
                              const std::vector<std::pair<std::string, RegistryValue>>& values) {
    if (!validKeyPath(keyPath))
        return false;
    for (const auto& [name, value] : values)
        if (!RegistryTree::isValidValueName(name))
            return false;
    return update([&](RegistryTree& tree) {
        for (const auto& [name, value] : values)
            tree.setValue(keyPath, name, value);
        return true;
    });
}

} // namespace settings
