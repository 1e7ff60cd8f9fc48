#include "settings/RegistryStore.h"

#include "core/Boundary.h"
#include "core/Exception.h"
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

// A broken file that could not be moved is reported once per file version, not on every read.
void reportUnmovable(const std::string& path, const RegistryFile::ParseError& error) {
    static std::set<std::string> reported;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return;
    const std::string identity = path + '|' + std::to_string(st.st_dev) + '|' + std::to_string(st.st_ino) +
                                 '|' + std::to_string(st.st_size) + '|' + std::to_string(st.st_mtim.tv_sec) +
                                 '.' + std::to_string(st.st_mtim.tv_nsec);
    if (!reported.insert(identity).second)
        return;
    report("The settings file " + path + " could not be read (" + error.what() +
           ") and could not be moved aside; the settings are empty and cannot be saved");
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
    std::string text;
    if (posix::readWholeFile(path, text) != 0)
        return {}; // no file yet, or one that cannot be read: nothing to see
    try {
        return RegistryFile::parse(text);
    } catch (const RegistryFile::ParseError&) {
    }

    // Look again under the lock: another copy may have just replaced or moved it.
    std::optional<std::string> message;
    RegistryTree tree;
    {
        FileLock lock;
        const bool locked = lock.acquire(lockPathFor(path)) == 0;
        if (posix::readWholeFile(path, text) != 0)
            return {};
        try {
            tree = RegistryFile::parse(text);
        } catch (const RegistryFile::ParseError& error) {
            message = locked ? moveAside(path, error) : std::nullopt;
            if (!message)
                reportUnmovable(path, error);
        }
    }
    if (message)
        report(*message); // after unlocking: the report may wait for the user
    return tree;
}

bool RegistryStore::update(const std::function<bool(RegistryTree&)>& change) {
    const std::string path = filePath();
    if (path.empty())
        return false;
    std::optional<std::string> message;
    bool ok = false;
    {
        if (posix::makeDirectories(posix::parentDirectory(path)) != 0)
            return false;
        FileLock lock;
        if (lock.acquire(lockPathFor(path)) != 0)
            return false;

        RegistryTree tree;
        std::string text;
        const int readError = posix::readWholeFile(path, text);
        if (readError == 0) {
            try {
                tree = RegistryFile::parse(text);
            } catch (const RegistryFile::ParseError& error) {
                message = moveAside(path, error);
                if (!message) {
                    reportUnmovable(path, error);
                    return false; // never write over what could not be kept
                }
            }
        } else if (readError != ENOENT) {
            return false; // writing now would lose whatever the file holds
        }
        ok = !change(tree) || posix::replaceFile(path, RegistryFile::serialise(tree)) == 0;
    }
    if (message)
        report(*message);
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
    if (!validKeyPath(keyPath) || !RegistryTree::isValidValueName(name))
        return false;
    return update([&](RegistryTree& tree) {
        tree.setValue(keyPath, name, RegistryValue{type, data});
        return true;
    });
}

} // namespace settings
