#include "document/FileWriter.h"

#include "core/Exception.h"
#include "core/FileKit.h"
#include "document/ConfigBuffer.h"

#include <string_view>

namespace document {
namespace {

namespace files = core::files;

void check(files::SystemError err) {
    if (err != 0)
        throw core::EInOutError(files::ioCodeFor(err), files::causeOf(err));
}

std::string_view finalLineEnd(std::string_view text) {
    return text.size() >= 2 && text.substr(text.size() - 2) == "\r\n" ? std::string_view() : "\r\n";
}

constexpr int kAccessDenied = 5;

// How long a save waits for another copy's save of the same file before calling it busy.
constexpr files::SaveRules kSaveRules{0666, std::chrono::milliseconds(500)};

} // namespace

void writeFile(const std::string& path, const ConfigBuffer& buffer) {
    const std::string_view text = buffer.wholeText();
    std::string target;
    check(files::resolveLinks(path, target));
    if (files::fileName(target).empty())
        check(files::kNotAFile);

    files::FileState state;
    check(files::inspect(target, state));
    switch (state.kind) {
    case files::FileState::Kind::Directory:
        check(files::kNotAFile);
        break;
    case files::FileState::Kind::Other: // a device or FIFO cannot be replaced
        check(files::writeInPlace(target, text, finalLineEnd(text)));
        return;
    case files::FileState::Kind::Regular:
        // No write bit at all means read-only, also for a user whom permissions do not bind.
        if (!state.hasWriteBit)
            throw core::EInOutError(kAccessDenied);
        // Replacing the file needs only the folder's permission; the file's own must hold too.
        check(files::checkWritable(target));
        break;
    case files::FileState::Kind::Missing:
        break;
    }
    check(files::saveFile(target, state, text, finalLineEnd(text), kSaveRules));
}

bool fileExists(const std::string& path) {
    files::FileState state;
    return files::inspect(path, state) == 0 && state.kind != files::FileState::Kind::Missing &&
           state.kind != files::FileState::Kind::Directory;
}

} // namespace document
