#pragma once

#include "core/ConsoleStreamBuffer.h"

#include <string>
#include <vector>

// What a Windows console program sets up before its own main: the command line as UTF-8
// (from wmain's UTF-16 arguments), standard input as bytes, and std::cout, std::cerr and std::clog taking
// UTF-8 text (ConsoleStreamBuffer). Output to pipes and files is the same bytes a Linux build writes, LF line
// ends included. Windows only.
namespace core::win32 {

class ConsoleProgram {
public:
    ConsoleProgram(int argc, wchar_t** argv);
    // Writes out what the streams still hold and gives them their own buffers back.
    ~ConsoleProgram();
    ConsoleProgram(const ConsoleProgram&) = delete;
    ConsoleProgram& operator=(const ConsoleProgram&) = delete;

    int argc() const noexcept { return int(m_arguments.size()); }
    // argv()[argc()] is null, as for main.
    char** argv() noexcept { return m_pointers.data(); }

private:
    std::vector<std::string> m_arguments;
    std::vector<char*> m_pointers;
    ConsoleStreamBuffer m_out;
    ConsoleStreamBuffer m_err;
    std::streambuf* m_oldOut;
    std::streambuf* m_oldErr;
    std::streambuf* m_oldLog;
};

} // namespace core::win32
