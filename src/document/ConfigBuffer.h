#pragma once

#include "document/LineEnds.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The document being edited: the text of a config file as bytes, with CR LF line
// ends, addressed by 0-based line. Each line of the file is exactly one buffer line,
// however long it is. The empty text is one empty line; a text ending in CR LF has
// an empty last line after it.
namespace document {

class ConfigBuffer {
public:
    static constexpr std::size_t kDefaultCapacity = std::size_t(256) << 20;
    // Line offsets are 32-bit; a larger capacity is lowered to this.
    static constexpr std::size_t kMaxCapacity = std::size_t(0xFFFFFFFFu) - 2;
    static constexpr std::size_t kMaxReadLength = 4096;

    explicit ConfigBuffer(std::size_t capacity = kDefaultCapacity);

    // Replaces the text with the file's: line ends normalised to CR LF, cut at the
    // first NUL byte. Raises EFOpenError "Cannot open file <path>" when the file
    // cannot be opened or is no regular file, EInvalidOperation "Text exceeds memo
    // capacity" when it is too large (checked against the file's size before
    // reading), EInOutError when reading fails. The buffer is unchanged on failure.
    void load(const std::string& path);
    // The same for a text in memory.
    void setText(std::string_view text);
    void clear();

    // Line n without its line end, at most its first kMaxReadLength bytes; "" past the end.
    std::string readLine(std::size_t n) const;
    // Line n whole, without its line end; "" past the end. Valid until the text changes.
    std::string_view line(std::size_t n) const noexcept;
    // Replaces the bytes of line n, keeping its line end; no effect past the end.
    // The text is taken up to a NUL byte; line ends in it become CR LF line ends.
    void replaceLine(std::size_t n, std::string_view s);
    // Replaces several lines (line -> text) as replaceLine does, moving the text after
    // them only once: for many lines of a large text.
    void replaceLines(const std::map<std::size_t, std::string>& lines);

    const std::string& wholeText() const noexcept { return m_text; }
    std::size_t lineCount() const noexcept { return m_lineStarts.size(); }
    std::size_t capacity() const noexcept { return m_capacity; }
    // True when the text last loaded or set held a NUL byte, and so was cut there.
    bool wasCutAtNul() const noexcept { return m_cutAtNul; }

private:
    void assign(std::string raw);
    std::size_t lineEnd(std::size_t n) const noexcept;
    void reindex();

    std::size_t m_capacity;
    std::string m_text;
    std::vector<lineends::LineOffset> m_lineStarts;
    bool m_cutAtNul = false;
};

} // namespace document
