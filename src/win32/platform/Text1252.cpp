#include "win32/platform/Text1252.h"

#include "document/Windows1252.h"

#include <algorithm>
#include <iterator>

namespace win32::text1252 {

namespace {

// The byte of the character at i, or nothing; a surrogate pair is one character, which
// Windows-1252 never has.
std::optional<unsigned char> byteAt(std::wstring_view text, std::size_t i) {
    const char32_t ch = static_cast<char16_t>(text[i]);
    if (ch >= 0xD800 && ch <= 0xDFFF)
        return std::nullopt;
    return document::windows1252::toByte(ch);
}

} // namespace

std::wstring toWide(std::string_view bytes) {
    std::wstring wide(bytes.size(), L'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        wide[i] =
            static_cast<wchar_t>(document::windows1252::toUnicode(static_cast<unsigned char>(bytes[i])));
    return wide;
}

std::optional<std::string> fromWide(std::wstring_view text) {
    std::string bytes(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::optional<unsigned char> byte = byteAt(text, i);
        if (!byte)
            return std::nullopt;
        bytes[i] = static_cast<char>(*byte);
    }
    return bytes;
}

std::optional<std::size_t> firstRefused(std::wstring_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!byteAt(text, i))
            return i;
    return std::nullopt;
}

void setWindowText(HWND hwnd, std::string_view bytes) {
    ::SetWindowTextW(hwnd, toWide(bytes).c_str());
}

std::string windowText(HWND hwnd) {
    // One question for a text of up to a line's usual length, two for a longer one.
    wchar_t shortText[256];
    std::wstring_view text(shortText, std::size_t(std::max(0, ::GetWindowTextW(hwnd, shortText, 256))));
    std::wstring longText;
    if (text.size() + 1 >= std::size(shortText)) {
        longText.assign(std::size_t(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
        longText.resize(
            std::size_t(std::max(0, ::GetWindowTextW(hwnd, longText.data(), int(longText.size())))));
        text = longText;
    }
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (const std::optional<unsigned char> byte = byteAt(text, i))
            bytes.push_back(static_cast<char>(*byte));
    return bytes;
}

} // namespace win32::text1252
