// The platform-neutral part of the file kit: path names and the choice between replacing a
// file and writing it in place.
#include "core/FileKit.h"

#include "core/FileReplacement.h"
#include "core/ReadToEnd.h"

namespace core::files {

namespace {

bool isSeparator(char c) {
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

std::size_t lastSeparator(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (isSeparator(path[i - 1]))
            return i - 1;
    return std::string_view::npos;
}

} // namespace

std::string parentDirectory(std::string_view path) {
    const std::size_t slash = lastSeparator(path);
    if (slash == std::string_view::npos)
        return ".";
    if (slash == 0)
        return std::string(path.substr(0, 1));
    return std::string(path.substr(0, slash));
}

std::string fileName(std::string_view path) {
    const std::size_t slash = lastSeparator(path);
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string childPath(std::string_view directory, std::string_view name) {
#ifdef _WIN32
    constexpr char kSeparator = '\\';
#else
    constexpr char kSeparator = '/';
#endif
    std::string path(directory);
    if (!path.empty() && !isSeparator(path.back()))
        path += kSeparator;
    return path.append(name);
}

SystemError readToEnd(const ReadSome& read, std::string& data, std::size_t limit) {
    std::size_t filled = 0;
    for (;;) {
        std::size_t got = 0;
        if (filled < data.size()) {
            if (const SystemError err = read(data.data() + filled, data.size() - filled, got))
                return err;
            if (got == 0) {
                data.resize(filled); // the file shrank
                return 0;
            }
            filled += got;
            continue;
        }
        // As long as the file was: it may have grown since.
        char probe[4096];
        if (const SystemError err = read(probe, sizeof probe, got))
            return err;
        if (got == 0)
            return 0;
        if (filled + got > limit)
            return kTooLarge;
        data.append(probe, got);
        filled += got;
    }
}

SystemError saveFile(const std::string& target, const FileState& state, std::string_view head,
                     std::string_view tail, const SaveRules& rules) {
    const bool exists = state.kind != FileState::Kind::Missing;
    // A new file would leave the other names with the old content.
    if (exists && state.hasOtherNames)
        return writeInPlace(target, head, tail);

    FileReplacement replacement(target);
    // Until the temporary holds the file's owner and mode, only its maker may read it.
    if (const SystemError err = replacement.create(exists ? 0600 : rules.newFileMode, rules.busyWait))
        return exists && isAccessDenied(err) ? writeInPlace(target, head, tail) : err;
    if (exists) {
        if (replacement.keepOwner(state) != 0 || (state.hasAttributes && replacement.keepAttributes() != 0)) {
            replacement.discard();
            return writeInPlace(target, head, tail);
        }
        // Last: giving the file away or an access list may change the mode bits.
        if (const SystemError err = replacement.keepMode(state))
            return err;
    }
    if (const SystemError err = replacement.write(head, tail))
        return err;
    if (const SystemError err = replacement.flush(rules.durable))
        return err;
    if (const SystemError err = replacement.replaceTarget(rules.durable)) {
        // The folder lets files be made but not this one replaced (a sticky folder).
        if (!exists || !isAccessDenied(err))
            return err;
        replacement.discard();
        return writeInPlace(target, head, tail);
    }
    return 0;
}

} // namespace core::files
