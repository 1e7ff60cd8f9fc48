#include "document/ConfigBuffer.h"

#include "core/Exception.h"
#include "core/FileKit.h"

#include <algorithm>
#include <cstring>

namespace document {
namespace {

const char* const kCapacityMessage = "Text exceeds memo capacity";

[[noreturn]] void raiseCannotOpen(const std::string& path, const std::string& cause) {
    throw core::EFOpenError("Cannot open file " + path + (cause.empty() ? "" : ": " + cause));
}

} // namespace

ConfigBuffer::ConfigBuffer(std::size_t capacity)
    : m_capacity(std::min(capacity, kMaxCapacity))
    , m_lineStarts{0} {}

void ConfigBuffer::load(const std::string& path) {
    std::string raw;
    bool opened = false;
    if (const core::files::SystemError err = core::files::readWholeFile(path, raw, m_capacity, &opened)) {
        if (err == core::files::kTooLarge)
            throw core::EInvalidOperation(kCapacityMessage);
        if (!opened)
            raiseCannotOpen(path, core::files::causeOf(err));
        throw core::EInOutError(core::files::ioCodeFor(err), core::files::causeOf(err));
    }
    assign(std::move(raw));
}

void ConfigBuffer::setText(std::string_view text) {
    if (text.size() > m_capacity)
        throw core::EInvalidOperation(kCapacityMessage);
    assign(std::string(text));
}

void ConfigBuffer::assign(std::string raw) {
    // A NUL ends the text. Cutting first gives the same result as cutting after
    // normalising, as neither CR nor LF is NUL.
    if (const void* nul = std::memchr(raw.data(), '\0', raw.size()))
        raw.resize(std::size_t(static_cast<const char*>(nul) - raw.data()));
    const lineends::Census census = lineends::count(raw);
    if (raw.size() + census.lone > m_capacity)
        throw core::EInvalidOperation(kCapacityMessage);
    std::string text = census.lone == 0 ? std::move(raw) : lineends::normalised(raw, census);
    raw = std::string();
    if (text == m_text)
        return;
    auto starts = lineends::indexLines(text, census.lineEnds);
    m_text.swap(text);
    m_lineStarts.swap(starts);
}

void ConfigBuffer::clear() {
    m_text = std::string();
    m_lineStarts.assign(1, 0);
}

std::size_t ConfigBuffer::lineEnd(std::size_t n) const noexcept {
    return n + 1 < m_lineStarts.size() ? m_lineStarts[n + 1] - 2 : m_text.size();
}

std::string ConfigBuffer::readLine(std::size_t n) const {
    if (n >= m_lineStarts.size())
        return {};
    const std::size_t start = m_lineStarts[n];
    const std::size_t length = std::min(lineEnd(n) - start, kMaxReadLength);
    return m_text.substr(start, length);
}

void ConfigBuffer::replaceLine(std::size_t n, std::string_view s) {
    if (n >= m_lineStarts.size())
        return;
    if (const auto nul = s.find('\0'); nul != std::string_view::npos)
        s = s.substr(0, nul);
    const lineends::Census census = lineends::count(s);
    std::string normalisedText;
    if (census.lone != 0) {
        normalisedText = lineends::normalised(s, census);
        s = normalisedText;
    }
    const std::size_t start = m_lineStarts[n];
    const std::size_t oldLength = lineEnd(n) - start;
    if (m_text.size() - oldLength + s.size() > m_capacity)
        throw core::EInvalidOperation(kCapacityMessage);
    m_text.replace(start, oldLength, s);
    if (census.lineEnds != 0) {
        // The text brought line breaks of its own: the lines after it move down.
        const lineends::Census whole = lineends::count(m_text);
        m_lineStarts = lineends::indexLines(m_text, whole.lineEnds);
        return;
    }
    const auto delta = lineends::LineOffset(s.size() - oldLength); // wraps for a shorter text
    for (std::size_t i = n + 1; i < m_lineStarts.size(); ++i)
        m_lineStarts[i] += delta;
}

} // namespace document
