// The Windows side of the file kit's plain calls (FileKit.h): wide-character calls on paths
// made absolute with the "\\?\" prefix, so that neither Unicode names nor long paths fail.
#include "core/Exception.h"
#include "core/FileKit.h"
#include "core/ReadToEnd.h"
#include "core/WideText.h"
#include "core/Win32Handle.h"
#include "core/Win32Io.h"
#include "core/Win32Paths.h"

#include <algorithm>
#include <cstdint>
#include <windows.h>
// after windows.h
#include <aclapi.h>

namespace core::files {

using core::win32::Win32Handle;
using win32::widePath;

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// ReadFile takes at most 4 GiB - 1 at a time.
constexpr std::size_t kMaxChunk = std::size_t(1) << 30;

// True when the file's permissions are its own alone: inheritance from the folder is switched
// off, so a new file made there would not get them (FileReplacement::keepAttributes() copies
// them). Entries added on top of inherited ones are not kept by a replacement; Wine, which gives
// every file entries of its own from the POSIX permissions, does not switch inheritance off.
bool hasAccessListOfItsOwn(const std::wstring& path) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    PACL dacl = nullptr;
    if (::GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                &dacl, nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    const bool own =
        ::GetSecurityDescriptorControl(descriptor, &control, &revision) && (control & SE_DACL_PROTECTED);
    ::LocalFree(descriptor);
    return own;
}

} // namespace

int ioCodeFor(SystemError error) {
    switch (error) {
    case kBusy:
        return EInOutError::kFileBusy;
    case kNotAFile:
    case kReservedName:
        return 3;
    case ERROR_FILE_NOT_FOUND:
        return 2;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
    case ERROR_FILENAME_EXCED_RANGE:
        return 3;
    case ERROR_TOO_MANY_OPEN_FILES:
        return 4;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return 5;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return 101;
    case ERROR_CRC:
    case ERROR_GEN_FAILURE:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_IO_DEVICE:
        return EInOutError::kDeviceError;
    default:
        return EInOutError::kOtherBase + error;
    }
}

std::string causeOf(SystemError error) {
    switch (error) {
    case ERROR_SHARING_VIOLATION:
        return "another program has the file open";
    case ERROR_LOCK_VIOLATION:
        return "another program has locked part of the file";
    case kReservedName:
        return "Windows keeps the name for a device";
    case ERROR_FILENAME_EXCED_RANGE:
        return "the path is too long";
    default:
        return {};
    }
}

bool isAccessDenied(SystemError error) {
    return error == ERROR_ACCESS_DENIED;
}

bool isNotFound(SystemError error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

SystemError inspect(const std::string& path, FileState& state) {
    state = FileState{};
    std::wstring wide;
    if (const SystemError err = widePath(path, wide))
        return err;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) {
        // A missing folder on the way is a missing file too, as on POSIX systems.
        const DWORD err = ::GetLastError();
        return isNotFound(SystemError(err)) ? 0 : err;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        state.kind = FileState::Kind::Directory;
        return 0;
    }
    // Only the attributes: no sharing mode of another program stands in the way.
    Win32Handle file(
        ::CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.isValid())
        return ::GetLastError();
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info))
        return ::GetLastError();
    state.kind =
        ::GetFileType(file.get()) == FILE_TYPE_DISK ? FileState::Kind::Regular : FileState::Kind::Other;
    state.hasWriteBit = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0;
    state.hasOtherNames = info.nNumberOfLinks > 1;
    state.hasAttributes = hasAccessListOfItsOwn(wide);
    state.mode = data.dwFileAttributes;
    return 0;
}

// Only a symbolic link or junction at the path itself is followed: the file it names is the one
// a save replaces. A missing file is no error.
SystemError resolveLinks(const std::string& path, std::string& resolved) {
    std::wstring wide;
    if (const SystemError err = widePath(path, wide))
        return err;
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        resolved = path;
        return 0;
    }
    Win32Handle file(::CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.isValid()) {
        const DWORD err = ::GetLastError();
        if (err != ERROR_FILE_NOT_FOUND)
            return err;
        resolved = path; // a link to nothing: the save replaces the link
        return 0;
    }
    std::wstring target(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleW(file.get(), target.data(), DWORD(target.size()), 0);
        if (length == 0)
            return ::GetLastError();
        if (length < target.size()) {
            target.resize(length);
            break;
        }
        target.resize(length);
    }
    resolved = core::win32::narrow(target);
    return 0;
}

SystemError checkWritable(const std::string& path) {
    std::wstring wide;
    if (const SystemError err = widePath(path, wide))
        return err;
    // Opening for writing changes nothing; it fails for a read-only file, for a user without the
    // right to write it, and while another program holds the file open without sharing it.
    Win32Handle file(
        ::CreateFileW(wide.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    return file.isValid() ? 0 : ::GetLastError();
}

// Windows cannot flush a folder's entries on their own: the rename is written through instead
// (MOVEFILE_WRITE_THROUGH), which is the durability this gives on POSIX systems.
SystemError syncDirectory(const std::string&) {
    return 0;
}

SystemError readWholeFile(const std::string& path, std::string& contents, std::size_t limit, bool* opened) {
    contents.clear();
    std::wstring wide;
    if (const SystemError err = widePath(path, wide))
        return err;
    // Others may read the file meanwhile; nobody may write it.
    Win32Handle file(
        ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.isValid()) {
        const DWORD err = ::GetLastError();
        const DWORD attributes = ::GetFileAttributesW(wide.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return kNotAFile;
        return err;
    }
    if (::GetFileType(file.get()) != FILE_TYPE_DISK)
        return kNotAFile;
    if (opened)
        *opened = true;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size))
        return ::GetLastError();
    if (std::uint64_t(size.QuadPart) > limit)
        return kTooLarge;
    contents.resize(std::size_t(size.QuadPart));
    const auto readSome = [&file](char* buffer, std::size_t bytes, std::size_t& got) -> SystemError {
        DWORD done = 0;
        if (!::ReadFile(file.get(), buffer, DWORD(std::min<std::size_t>(bytes, kMaxChunk)), &done, nullptr))
            return ::GetLastError();
        got = done;
        return 0;
    };
    if (const SystemError err = readToEnd(readSome, contents, limit))
        return err;
    return file.close();
}

SystemError writeInPlace(const std::string& path, std::string_view head, std::string_view tail) {
    std::wstring wide;
    if (const SystemError err = widePath(path, wide))
        return err;
    Win32Handle file(::CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.isValid())
        return ::GetLastError();
    if (const SystemError err = win32::writeAll(file.get(), head, tail))
        return err;
    if (::GetFileType(file.get()) == FILE_TYPE_DISK && !::FlushFileBuffers(file.get()))
        return ::GetLastError();
    return file.close();
}

} // namespace core::files
