// The Windows side of FileReplacement: the temporary is opened without sharing, which keeps
// every other writer out of it for as long as it is open and ends with the process however it
// ends. It is closed once flushed, and then moved over the target at once.
#include "core/FileReplacement.h"

#include "core/Win32Handle.h"
#include "core/Win32Io.h"
#include "core/Win32Paths.h"

#include <thread>
#include <windows.h>
// after windows.h
#include <aclapi.h>

namespace core::files {

using core::win32::Win32Handle;

namespace {

constexpr std::size_t kMaxTempBaseLength = 200; // leaves room for the suffix within 255 characters
constexpr auto kOpenPoll = std::chrono::milliseconds(5);
constexpr int kMaxTempAttempts = 100;

// Attributes a new file can take over from the one it replaces; read-only targets are refused
// before a replacement is made.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

HANDLE createNew(const std::wstring& name) {
    return ::CreateFileW(name.c_str(), GENERIC_WRITE | WRITE_DAC | DELETE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Removes a temporary that nobody holds open: one left by a save that never finished.
// ERROR_SHARING_VIOLATION while a live save holds it.
SystemError removeLeftOver(const std::wstring& name) {
    Win32Handle file(::CreateFileW(name.c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.isValid())
        return ::GetLastError();
    return file.close();
}

} // namespace

struct FileReplacement::Platform {
    std::string target;
    std::wstring wideTarget;
    std::wstring temporary;
    SystemError pathError = 0; // from making the wide paths, given by create()
    Win32Handle file;          // written through, closed by flush()
    bool created = false;
    bool renamed = false;
};

FileReplacement::FileReplacement(std::string target)
    : m_platform(std::make_unique<Platform>()) {
    Platform& p = *m_platform;
    const std::string temporary =
        parentDirectory(target) + "\\." + fileName(target).substr(0, kMaxTempBaseLength) + ".vantorel-save";
    p.pathError = win32::widePath(target, p.wideTarget);
    if (p.pathError == 0)
        p.pathError = win32::widePath(temporary, p.temporary);
    p.target = std::move(target);
}

FileReplacement::~FileReplacement() {
    discard();
}

void FileReplacement::discard() {
    Platform& p = *m_platform;
    p.file.close();
    if (p.created && !p.renamed)
        ::DeleteFileW(p.temporary.c_str());
    p.created = false;
}

SystemError FileReplacement::create(std::uint32_t, std::chrono::milliseconds busyWait) {
    Platform& p = *m_platform;
    if (p.pathError != 0)
        return p.pathError;
    const auto deadline = std::chrono::steady_clock::now() + busyWait;
    for (int attempt = 0; attempt < kMaxTempAttempts;) {
        p.file = Win32Handle(createNew(p.temporary));
        if (p.file.isValid()) {
            p.created = true;
            return 0;
        }
        const DWORD err = ::GetLastError();
        if (err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS)
            return err;
        const SystemError removed = removeLeftOver(p.temporary);
        if (removed == ERROR_SHARING_VIOLATION) {
            // Another copy of the program is saving this file: wait for it to finish.
            if (std::chrono::steady_clock::now() >= deadline)
                return kBusy;
            std::this_thread::sleep_for(kOpenPoll);
            continue;
        }
        if (removed != 0 && removed != ERROR_FILE_NOT_FOUND)
            return removed;
        ++attempt;
    }
    return ERROR_FILE_EXISTS;
}

// A Windows file's owner and permissions are its access list: see keepAttributes().
SystemError FileReplacement::keepOwner(const FileState&) {
    return 0;
}

// Called for a target whose access list is its own alone, not inherited from the folder (see
// inspect()): the temporary gets that list, protected from inheritance as the target's is.
SystemError FileReplacement::keepAttributes() {
    Platform& p = *m_platform;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (const DWORD err =
            ::GetNamedSecurityInfoW(p.wideTarget.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                    nullptr, &dacl, nullptr, &descriptor))
        return SystemError(err);
    const DWORD err = ::SetSecurityInfo(p.file.get(), SE_FILE_OBJECT,
                                        DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                        nullptr, nullptr, dacl, nullptr);
    ::LocalFree(descriptor);
    return SystemError(err);
}

SystemError FileReplacement::keepMode(const FileState& like) {
    // Times left at zero stay as they are.
    FILE_BASIC_INFO info{};
    const DWORD kept = like.mode & kKeptAttributes;
    info.FileAttributes = kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL;
    if (!::SetFileInformationByHandle(m_platform->file.get(), FileBasicInfo, &info, sizeof info))
        return ::GetLastError();
    return 0;
}

SystemError FileReplacement::write(std::string_view head, std::string_view tail) {
    return win32::writeAll(m_platform->file.get(), head, tail);
}

SystemError FileReplacement::flush(bool toDisk) {
    if (toDisk && !::FlushFileBuffers(m_platform->file.get()))
        return ::GetLastError();
    return m_platform->file.close();
}

SystemError FileReplacement::replaceTarget(bool durable) {
    Platform& p = *m_platform;
    if (!::MoveFileExW(p.temporary.c_str(), p.wideTarget.c_str(),
                       MOVEFILE_REPLACE_EXISTING | (durable ? MOVEFILE_WRITE_THROUGH : 0)))
        return ::GetLastError();
    p.renamed = true;
    return 0;
}

} // namespace core::files
