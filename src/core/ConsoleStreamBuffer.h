#pragma once

#include <array>
#include <streambuf>

// A stream buffer over a Windows standard handle that takes UTF-8 text. To a console it
// writes wide characters (WriteConsoleW), which shows every character whatever the console's
// code page; to a pipe or a file it writes the bytes unchanged. A character split between two
// writes is held back until it is whole. Windows only.
namespace core::win32 {

class ConsoleStreamBuffer : public std::streambuf {
public:
    explicit ConsoleStreamBuffer(void* handle);
    ~ConsoleStreamBuffer() override;
    ConsoleStreamBuffer(const ConsoleStreamBuffer&) = delete;
    ConsoleStreamBuffer& operator=(const ConsoleStreamBuffer&) = delete;

protected:
    int_type overflow(int_type ch) override;
    int sync() override;

private:
    bool writeOut();
    bool writeBytes(const char* data, std::size_t size);
    bool writeConsole(const char* data, std::size_t size);

    void* m_handle;
    bool m_console;
    std::array<char, 4096> m_buffer;
};

} // namespace core::win32
