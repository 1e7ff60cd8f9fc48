#include "core/ConsoleProgram.h"

#include "core/WideText.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <iostream>
#include <windows.h>

namespace core::win32 {

ConsoleProgram::ConsoleProgram(int argc, wchar_t** argv)
    : m_out(::GetStdHandle(STD_OUTPUT_HANDLE))
    , m_err(::GetStdHandle(STD_ERROR_HANDLE)) {
    for (int i = 0; i < argc; ++i)
        m_arguments.push_back(narrow(argv[i]));
    for (std::string& argument : m_arguments)
        m_pointers.push_back(argument.data());
    m_pointers.push_back(nullptr);

    // Standard input is bytes, as on Linux: no CR LF turned into LF, no stop at a Ctrl-Z byte.
    // The C streams write bytes too, should anything use them, rather than turning LF into CR LF.
    _setmode(_fileno(stdin), _O_BINARY);
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    m_oldOut = std::cout.rdbuf(&m_out);
    m_oldErr = std::cerr.rdbuf(&m_err);
    m_oldLog = std::clog.rdbuf(&m_err);
}

ConsoleProgram::~ConsoleProgram() {
    std::cout.flush();
    std::cerr.flush();
    std::cout.rdbuf(m_oldOut);
    std::cerr.rdbuf(m_oldErr);
    std::clog.rdbuf(m_oldLog);
}

} // namespace core::win32
