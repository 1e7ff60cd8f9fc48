// Test helper for the Windows build: holds a file open, as a program that keeps its file locked
// would, until its standard input closes. Prints "held" once it is. Without sharing, nobody else
// can open the file; with --share-read others can read it but not write, rename or delete it.
#include <cstdio>
#include <cwchar>
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    const bool shareRead = argc == 3 && std::wcscmp(argv[2], L"--share-read") == 0;
    if (argc != 2 && !shareRead) {
        std::fputs("usage: hold_file FILE [--share-read]\n", stderr);
        return 2;
    }
    HANDLE file = ::CreateFileW(argv[1], GENERIC_READ, shareRead ? FILE_SHARE_READ : 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "hold_file: cannot open: error %lu\n", ::GetLastError());
        return 1;
    }
    std::fputs("held\n", stdout);
    std::fflush(stdout);
    char rest[256];
    while (std::fread(rest, 1, sizeof rest, stdin) > 0) {
    }
    ::CloseHandle(file);
    return 0;
}
