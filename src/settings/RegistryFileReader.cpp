#include "settings/RegistryFileReader.h"

#include <charconv>
#include <cstdint>

namespace settings {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";
// Roots whose sections a registry file may hold but the store has no place for.
constexpr std::string_view kOtherRoots[] = {"HKEY_LOCAL_MACHINE", "HKEY_CLASSES_ROOT",
                                            "HKEY_USERS",         "HKEY_CURRENT_CONFIG",
                                            "HKEY_DYN_DATA",      "HKEY_PERFORMANCE_DATA"};

// Thrown for a line that cannot be read; the reader lists it and goes on with the next line.
struct BadLine {
    std::string reason;
};

[[noreturn]] void bad(std::string reason) {
    throw BadLine{std::move(reason)};
}

bool isBlank(char c) noexcept {
    return c == ' ' || c == '\t';
}

bool isHexDigit(char c) noexcept {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view trim(std::string_view s) {
    s = trimLeft(s);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool isComment(std::string_view content) {
    return content.starts_with(';') || content.starts_with('#');
}

// Data outside quotes up to a ';' comment, without the blanks around it.
std::string_view dataPart(std::string_view s) {
    return trim(s.substr(0, s.find(';')));
}

// 1..8 hex digits (either case) making up the whole of s.
std::optional<std::uint32_t> parseHex(std::string_view s) {
    if (s.empty() || s.size() > 8)
        return std::nullopt;
    for (const char c : s) {
        if (!isHexDigit(c))
            return std::nullopt;
    }
    std::uint32_t n = 0;
    std::from_chars(s.data(), s.data() + s.size(), n, 16);
    return n;
}

// The 1-based line that holds text[pos].
int lineOf(std::string_view text, std::size_t pos) {
    int line = 1;
    for (std::size_t i = 0; i < pos; ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++line;
    }
    return line;
}

bool namesRoot(std::string_view keyName, std::string_view root) {
    return keyName.size() >= root.size() && RegistryTree::sameName(keyName.substr(0, root.size()), root) &&
           (keyName.size() == root.size() || keyName[root.size()] == '\\');
}

// Reads quoted text at the start of s (which begins with '"') and leaves s past the closing quote.
std::string readQuoted(std::string_view& s) {
    std::string text;
    for (std::size_t i = 1; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"') {
            s.remove_prefix(i + 1);
            return text;
        }
        if (c == '\\') {
            if (++i == s.size())
                break;
            c = s[i] == 'n' ? '\n' : s[i] == 'r' ? '\r' : s[i];
        }
        text += c;
    }
    bad("missing closing quote");
}

// Appends the bytes of one line of a hex list to data; true when a trailing backslash says the
// list goes on.
bool readHexBytes(std::string_view line, std::string& data) {
    std::string_view s = dataPart(line);
    const bool continues = s.ends_with('\\');
    if (continues)
        s = trim(s.substr(0, s.size() - 1));
    while (!s.empty()) {
        const std::size_t comma = s.find(',');
        const std::string_view item = trim(s.substr(0, comma));
        if (item.empty() || item.size() > 2 || !parseHex(item))
            bad("bad hex byte \"" + std::string(item) + "\" (expected one or two hex digits)");
        data += static_cast<char>(*parseHex(item));
        if (comma == std::string_view::npos)
            break;
        s.remove_prefix(comma + 1); // what is left after a trailing comma is empty
    }
    return continues;
}

} // namespace

RegistryFile::Contents RegistryFileReader::read() {
    if (const std::size_t nul = m_text.find('\0'); nul != std::string_view::npos)
        throw RegistryFile::ParseError(lineOf(m_text, nul),
                                       "unexpected control character 0x00 (not a text file?)");
    if (m_text.starts_with(kByteOrderMark))
        m_pos = kByteOrderMark.size();
    const std::optional<std::string_view> header = nextLine();
    if (!header || (trim(*header) != RegistryFile::kHeader && trim(*header) != kVersion5Header))
        throw RegistryFile::ParseError(1, "the first line must be " + std::string(RegistryFile::kHeader) +
                                              " or " + std::string(kVersion5Header));
    while (const std::optional<std::string_view> line = nextLine()) {
        const int number = m_lineNumber;
        try {
            readLine(trimLeft(*line));
        } catch (const BadLine& error) {
            m_contents.skipped.push_back({number, error.reason});
        }
    }
    return std::move(m_contents);
}

std::optional<std::string_view> RegistryFileReader::nextLine() {
    if (m_pos >= m_text.size())
        return std::nullopt;
    ++m_lineNumber;
    const std::size_t end = std::min(m_text.find_first_of("\r\n", m_pos), m_text.size());
    const std::string_view line = m_text.substr(m_pos, end - m_pos);
    m_pos = end + (m_text.substr(end).starts_with("\r\n") ? 2 : 1);
    return line;
}

void RegistryFileReader::readLine(std::string_view content) {
    if (content.empty() || isComment(content))
        return;
    if (content.front() == '[')
        return readKeyLine(content);
    if (content.front() == '"' || content.front() == '@')
        return readValueLine(content);
    bad("unexpected text (expected a key, a value, a comment or a blank line)");
}

void RegistryFileReader::readKeyLine(std::string_view content) {
    m_section = Section::Elsewhere; // until the line proves to name a key of the store
    const std::size_t close = content.rfind(']');
    if (close == std::string_view::npos)
        bad("missing ']' at the end of the key name");
    std::string_view name = content.substr(1, close - 1);
    const bool deleting = name.starts_with('-');
    if (deleting)
        name.remove_prefix(1);
    if (!namesRoot(name, RegistryFile::kRootName)) {
        for (const std::string_view other : kOtherRoots) {
            if (namesRoot(name, other))
                return;
        }
        bad("key under an unknown root (expected " + std::string(RegistryFile::kRootName) + ")");
    }
    if (deleting)
        bad("deleting keys (\"[-...]\") is not supported");
    name.remove_prefix(std::min(name.size(), RegistryFile::kRootName.size() + 1));
    while (name.ends_with('\\'))
        name.remove_suffix(1);
    if (!RegistryTree::isValidPath(name))
        bad("bad key path (empty name or unprintable character)");
    m_contents.tree.createKey(name);
    m_keyPath = name;
    m_section = Section::Store;
}

void RegistryFileReader::readValueLine(std::string_view content) {
    std::string name;
    RegistryValue value;
    try {
        std::string_view rest = content;
        if (rest.front() == '@') {
            rest.remove_prefix(1);
        } else {
            name = readQuoted(rest);
            if (!RegistryTree::isValidValueName(name))
                bad("value name with a control character or a byte that Windows-1252 leaves undefined");
        }
        rest = trimLeft(rest);
        if (!rest.starts_with('='))
            bad("expected '=' after the value name");
        value = readData(trimLeft(rest.substr(1)));
    } catch (const BadLine&) {
        if (m_section == Section::Elsewhere)
            return; // not the store's to judge
        throw;
    }
    if (m_section == Section::BeforeFirstKey)
        bad("value before the first key");
    if (m_section == Section::Store)
        m_contents.tree.setValue(m_keyPath, name, std::move(value));
}

RegistryValue RegistryFileReader::readData(std::string_view rest) {
    if (rest.starts_with('"')) {
        std::string text = readQuoted(rest);
        if (!dataPart(rest).empty())
            bad("unexpected text after the closing quote");
        text += '\0';
        return {REG_SZ, std::move(text)};
    }
    if (rest.starts_with("dword:")) {
        const std::string_view digits = dataPart(rest.substr(6));
        const auto n = parseHex(digits);
        if (!n)
            bad("bad dword \"" + std::string(digits) + "\" (expected one to eight hex digits)");
        std::string data(4, '\0');
        for (int i = 0; i < 4; ++i)
            data[i] = static_cast<char>((*n >> (8 * i)) & 0xFF);
        return {REG_DWORD, std::move(data)};
    }
    if (rest.starts_with("hex:"))
        return {REG_BINARY, readHexList(rest.substr(4))};
    if (rest.starts_with("hex(")) {
        const std::size_t close = rest.find("):");
        const auto type =
            close == std::string_view::npos ? std::nullopt : parseHex(rest.substr(4, close - 4));
        if (!type)
            bad("bad value type in hex(...) (expected one to eight hex digits)");
        return {*type, readHexList(rest.substr(close + 2))};
    }
    if (rest.starts_with('-'))
        bad("deleting values (\"=-\") is not supported");
    bad("unknown value form (expected \"text\", dword: or hex)");
}

// Reads a hex list and the lines it continues on. A bad byte spoils the value but its lines
// are still passed over, so that none of them is taken for a line of its own.
std::string RegistryFileReader::readHexList(std::string_view first) {
    std::string data;
    std::optional<std::string> error;
    const auto take = [&](std::string_view line) {
        try {
            return readHexBytes(line, data);
        } catch (const BadLine& e) {
            if (!error)
                error = e.reason;
            return dataPart(line).ends_with('\\');
        }
    };
    bool continues = take(first);
    while (continues) {
        const std::size_t pos = m_pos;
        const int lineNumber = m_lineNumber;
        const std::optional<std::string_view> line = nextLine();
        if (!line)
            break; // cut off by the end of the file: the bytes read so far
        const std::string_view content = trimLeft(*line);
        if (content.empty() || isComment(content))
            continue;
        if (!isHexDigit(content.front())) {
            if (content.front() == '[' || content.front() == '"' || content.front() == '@') {
                m_pos = pos; // a key or value of its own: read it as such
                m_lineNumber = lineNumber;
            }
            bad("the hex list does not go on with bytes on line " + std::to_string(lineNumber + 1));
        }
        continues = take(content);
    }
    if (error)
        bad(*error);
    return data;
}

} // namespace settings
