#include "core/WideText.h"

#include <climits>
#include <stdexcept>
#include <windows.h>

namespace core::win32 {
namespace {

int checkedLength(std::size_t size) {
    if (size > std::size_t(INT_MAX))
        throw std::length_error("text too long to convert");
    return int(size);
}

} // namespace

std::wstring widen(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int inLength = checkedLength(utf8.size());
    const int outLength = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, nullptr, 0);
    std::wstring out(std::size_t(outLength), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, out.data(), outLength);
    return out;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty())
        return {};
    const int inLength = checkedLength(utf16.size());
    const int outLength =
        ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inLength, nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(outLength), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inLength, out.data(), outLength, nullptr, nullptr);
    return out;
}

} // namespace core::win32
