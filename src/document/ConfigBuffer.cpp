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
    const void* nul = std::memchr(raw.data(), '\0', raw.size());
    if (nul)
        raw.resize(std::size_t(static_cast<const char*>(nul) - raw.data()));
    const lineends::Census census = lineends::count(raw);
    if (raw.size() + census.lone > m_capacity)
        throw core::EInvalidOperation(kCapacityMessage);
    std::string text = census.lone == 0 ? std::move(raw) : lineends::normalised(raw, census);
    raw = std::string();
    m_cutAtNul = nul != nullptr;
    if (text == m_text)
        return;
    auto starts = lineends::indexLines(text, census.lineEnds);
    m_text.swap(text);
    m_lineStarts.swap(starts);
}

void ConfigBuffer::clear() {
    m_text = std::string();
    m_cutAtNul = false;
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

std::string_view ConfigBuffer::line(std::size_t n) const noexcept {
    if (n >= m_lineStarts.size())
        return {};
    const std::size_t start = m_lineStarts[n];
    return std::string_view(m_text).substr(start, lineEnd(n) - start);
}

namespace {

// A line's new text as the buffer holds it: up to a NUL, with CR LF line ends. Gives the
// census of the text; `storage` keeps a normalised copy when one is needed.
lineends::Census preparedLine(std::string_view& s, std::string& storage) {
    if (const auto nul = s.find('\0'); nul != std::string_view::npos)
        s = s.substr(0, nul);
    const lineends::Census census = lineends::count(s);
    if (census.lone != 0) {
        storage = lineends::normalised(s, census);
        s = storage;
    }
    return census;
}

} // namespace

void ConfigBuffer::reindex() {
    m_lineStarts = lineends::indexLines(m_text, lineends::count(m_text).lineEnds);
}

void ConfigBuffer::replaceLine(std::size_t n, std::string_view s) {
    if (n >= m_lineStarts.size())
        return;
    std::string normalisedText;
    const lineends::Census census = preparedLine(s, normalisedText);
    const std::size_t start = m_lineStarts[n];
    const std::size_t oldLength = lineEnd(n) - start;
    if (m_text.size() - oldLength + s.size() > m_capacity)
        throw core::EInvalidOperation(kCapacityMessage);
    m_text.replace(start, oldLength, s);
    if (census.lineEnds != 0) {
        // The text brought line breaks of its own: the lines after it move down.
        reindex();
        return;
    }
    const auto delta = lineends::LineOffset(s.size() - oldLength); // wraps for a shorter text
    for (std::size_t i = n + 1; i < m_lineStarts.size(); ++i)
        m_lineStarts[i] += delta;
}

void ConfigBuffer::replaceLines(const std::map<std::size_t, std::string>& lines) {
    struct Piece {
        std::size_t line;
        std::string_view text;
        std::size_t oldLength;
    };
    std::vector<std::string> storage(lines.size());
    std::vector<Piece> pieces;
    bool newLineEnds = false;
    std::size_t size = m_text.size();
    for (const auto& [n, s] : lines) {
        if (n >= m_lineStarts.size())
            break; // the map is in line order: the rest is past the end too
        std::string_view text = s;
        newLineEnds |= preparedLine(text, storage[pieces.size()]).lineEnds != 0;
        const std::size_t oldLength = lineEnd(n) - m_lineStarts[n];
        size = size - oldLength + text.size();
        pieces.push_back({n, text, oldLength});
    }
    if (pieces.empty())
        return;
    if (size > m_capacity)
        throw core::EInvalidOperation(kCapacityMessage);
    std::string text;
    text.reserve(size);
    std::size_t from = 0;
    for (const Piece& p : pieces) {
        text.append(m_text, from, m_lineStarts[p.line] - from);
        text.append(p.text);
        from = lineEnd(p.line);
    }
    text.append(m_text, from);
    if (newLineEnds) {
        m_text.swap(text);
        reindex();
        return;
    }
    // Each line start moves by what the replacements before it added.
    lineends::LineOffset delta = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::size_t n = pieces[i].line;
        delta += lineends::LineOffset(pieces[i].text.size() - pieces[i].oldLength); // wraps when shorter
        const std::size_t last = i + 1 < pieces.size() ? pieces[i + 1].line : m_lineStarts.size() - 1;
        for (std::size_t k = n + 1; k <= last; ++k)
            m_lineStarts[k] += delta;
    }
    m_text.swap(text);
}

} // namespace document
