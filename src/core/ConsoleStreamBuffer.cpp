#include "core/ConsoleStreamBuffer.h"

#include "core/WideText.h"

#include <algorithm>
#include <cstring>
#include <windows.h>

namespace core::win32 {
namespace {

// Where the last whole UTF-8 character of the bytes ends: an incomplete sequence at the end
// is left for the next write. Bytes that are no valid sequence count as whole.
std::size_t wholeCharactersEnd(const char* data, std::size_t size) {
    for (std::size_t back = 1; back <= std::min<std::size_t>(size, 4); ++back) {
        const auto byte = static_cast<unsigned char>(data[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: look further back for its lead byte
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

} // namespace

ConsoleStreamBuffer::ConsoleStreamBuffer(void* handle)
    : m_handle(handle) {
    DWORD mode = 0;
    m_console = ::GetConsoleMode(m_handle, &mode) != 0;
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

ConsoleStreamBuffer::~ConsoleStreamBuffer() {
    sync();
}

ConsoleStreamBuffer::int_type ConsoleStreamBuffer::overflow(int_type ch) {
    if (!writeOut())
        return traits_type::eof();
    if (traits_type::eq_int_type(ch, traits_type::eof()))
        return traits_type::not_eof(ch);
    *pptr() = traits_type::to_char_type(ch);
    pbump(1);
    return ch;
}

int ConsoleStreamBuffer::sync() {
    return writeOut() ? 0 : -1;
}

// Writes what the buffer holds, keeping back the start of a character that is not whole yet.
bool ConsoleStreamBuffer::writeOut() {
    const auto size = std::size_t(pptr() - pbase());
    const std::size_t whole = m_console ? wholeCharactersEnd(pbase(), size) : size;
    const bool written = m_console ? writeConsole(pbase(), whole) : writeBytes(pbase(), whole);
    const std::size_t left = size - whole;
    std::memmove(m_buffer.data(), pbase() + whole, left);
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    pbump(int(left));
    return written;
}

bool ConsoleStreamBuffer::writeBytes(const char* data, std::size_t size) {
    while (size > 0) {
        DWORD done = 0;
        if (!::WriteFile(m_handle, data, DWORD(size), &done, nullptr))
            return false;
        data += done;
        size -= done;
    }
    return true;
}

bool ConsoleStreamBuffer::writeConsole(const char* data, std::size_t size) {
    const std::wstring text = widen(std::string_view(data, size));
    const wchar_t* next = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        DWORD done = 0;
        if (!::WriteConsoleW(m_handle, next, DWORD(left), &done, nullptr))
            return false;
        next += done;
        left -= done;
    }
    return true;
}

} // namespace core::win32
