#include "settings/RegistryFile.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

namespace settings {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kMaxColumns = 80;
constexpr std::string_view kContinuationIndent = "  ";
constexpr char kHexDigits[] = "0123456789abcdef";

bool isHexDigit(char c) noexcept {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string hexByte(unsigned char b) {
    return {kHexDigits[b >> 4], kHexDigits[b & 0xF]};
}

std::string hexNumber(std::uint32_t n, int minDigits) {
    std::string digits;
    do {
        digits.insert(digits.begin(), kHexDigits[n & 0xF]);
        n >>= 4;
    } while (n != 0);
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');
    return digits;
}

// Parses 1..8 hex digits (either case) making up the whole of s.
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

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

bool isPlainText(const RegistryValue& value) {
    if (value.type != REG_SZ || value.data.empty() || value.data.back() != '\0')
        return false;
    for (std::size_t i = 0; i + 1 < value.data.size(); ++i) {
        if (!RegistryTree::isPrintable(static_cast<unsigned char>(value.data[i])))
            return false;
    }
    return true;
}

void writeHexBytes(std::string& out, std::string line, std::string_view data) {
    for (std::size_t i = 0; i < data.size(); ++i) {
        const bool last = i + 1 == data.size();
        std::string token = hexByte(static_cast<unsigned char>(data[i]));
        if (!last)
            token += ',';
        // Room for the token and, unless it is the last, for a later line break's backslash.
        const std::size_t needed = line.size() + token.size() + (last ? 0 : 1);
        if (needed > kMaxColumns && line != kContinuationIndent) {
            out += line;
            out += '\\';
            out += kLineEnd;
            line = kContinuationIndent;
        }
        line += token;
    }
    out += line;
    out += kLineEnd;
}

void writeValue(std::string& out, const std::string& name, const RegistryValue& value) {
    std::string head = name.empty() ? std::string("@") : quoted(name);
    head += '=';
    if (isPlainText(value)) {
        out += head + quoted(std::string_view(value.data).substr(0, value.data.size() - 1));
        out += kLineEnd;
    } else if (value.type == REG_DWORD && value.data.size() == 4) {
        std::uint32_t n = 0;
        for (int i = 3; i >= 0; --i)
            n = (n << 8) | static_cast<unsigned char>(value.data[i]);
        out += head + "dword:" + hexNumber(n, 8);
        out += kLineEnd;
    } else {
        writeHexBytes(out, head + "hex(" + hexNumber(value.type, 1) + "):", value.data);
    }
}

// Walks the text line by line, keeping the 1-based number of the current line.
class LineReader {
public:
    explicit LineReader(std::string_view text)
        : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    int lineNumber() const { return m_line; }

    // The next line without its line end; CR LF and LF both end a line.
    std::string_view next() {
        ++m_line;
        std::size_t end = m_text.find('\n', m_pos);
        std::string_view line;
        if (end == std::string_view::npos) {
            line = m_text.substr(m_pos);
            m_pos = m_text.size();
        } else {
            line = m_text.substr(m_pos, end - m_pos);
            m_pos = end + 1;
        }
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        for (const char c : line) {
            const auto b = static_cast<unsigned char>(c);
            if ((b < 0x20 && c != '\t') || b == 0x7F)
                fail("unexpected control character 0x" + hexByte(b) + " (not a text file?)");
        }
        return line;
    }

    [[noreturn]] void fail(const std::string& reason) const {
        throw RegistryFile::ParseError(m_line, reason);
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 0;
};

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    return s;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && RegistryTree::sameName(s.substr(0, prefix.size()), prefix);
}

// Reads a quoted string at the start of s (which begins with '"'); returns the text and
// leaves s just past the closing quote.
std::string readQuoted(std::string_view& s, const LineReader& reader) {
    std::string text;
    std::size_t i = 1;
    for (;; ++i) {
        if (i >= s.size())
            reader.fail("missing closing quote");
        const char c = s[i];
        if (c == '"')
            break;
        if (c == '\\') {
            if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"'))
                reader.fail("unknown escape in quoted text (only \\\\ and \\\" are allowed)");
            text += s[++i];
            continue;
        }
        if (!RegistryTree::isPrintable(static_cast<unsigned char>(c)))
            reader.fail("character 0x" + hexByte(static_cast<unsigned char>(c)) +
                        " in quoted text; use the hex form for such data");
        text += c;
    }
    s.remove_prefix(i + 1);
    return text;
}

// Reads "xx,xx,..." including continuation lines that follow a trailing backslash.
std::string readHexList(std::string_view rest, LineReader& reader) {
    std::string list;
    while (!rest.empty() && rest.back() == '\\') {
        rest.remove_suffix(1);
        list += rest;
        if (reader.atEnd())
            reader.fail("the value continues past the end of the file (truncated?)");
        rest = trimLeft(reader.next());
        if (rest.empty())
            reader.fail("expected the continuation of the value after a trailing backslash");
    }
    list += rest;

    std::string data;
    if (list.empty())
        return data;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t comma = list.find(',', pos);
        const std::string_view item =
            std::string_view(list).substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
        if (item.size() != 2 || !isHexDigit(item[0]) || !isHexDigit(item[1]))
            reader.fail("bad hex byte \"" + std::string(item) + "\" (expected two hex digits)");
        data += static_cast<char>(*parseHex(item));
        if (comma == std::string::npos)
            break;
        pos = comma + 1;
    }
    return data;
}

RegistryValue readData(std::string_view rest, LineReader& reader) {
    if (!rest.empty() && rest.front() == '"') {
        std::string text = readQuoted(rest, reader);
        if (!rest.empty())
            reader.fail("unexpected text after the closing quote");
        text += '\0';
        return {REG_SZ, std::move(text)};
    }
    if (rest.starts_with("dword:")) {
        rest.remove_prefix(6);
        const auto n = parseHex(rest);
        if (!n || rest.size() != 8)
            reader.fail("bad dword \"" + std::string(rest) + "\" (expected eight hex digits)");
        std::string data(4, '\0');
        for (int i = 0; i < 4; ++i)
            data[i] = static_cast<char>((*n >> (8 * i)) & 0xFF);
        return {REG_DWORD, std::move(data)};
    }
    if (rest.starts_with("hex:")) {
        rest.remove_prefix(4);
        return {REG_BINARY, readHexList(rest, reader)};
    }
    if (rest.starts_with("hex(")) {
        rest.remove_prefix(4);
        const std::size_t close = rest.find("):");
        const auto type = close == std::string_view::npos ? std::nullopt : parseHex(rest.substr(0, close));
        if (!type)
            reader.fail("bad value type in hex(...) (expected one to eight hex digits)");
        rest.remove_prefix(close + 2);
        return {*type, readHexList(rest, reader)};
    }
    if (rest == "-")
        reader.fail("deleting values (\"=-\") is not supported");
    reader.fail("unknown value form (expected \"text\", dword: or hex)");
}

std::string readKeyPath(std::string_view line, const LineReader& reader) {
    if (line.back() != ']')
        reader.fail("missing ']' at the end of the key line");
    std::string_view name = line.substr(1, line.size() - 2);
    if (name.starts_with('-'))
        reader.fail("deleting keys (\"[-...]\") is not supported");
    if (!startsWithNoCase(name, RegistryFile::kRootName))
        reader.fail("key outside " + std::string(RegistryFile::kRootName));
    name.remove_prefix(RegistryFile::kRootName.size());
    if (!name.empty()) {
        if (name.front() != '\\')
            reader.fail("key outside " + std::string(RegistryFile::kRootName));
        name.remove_prefix(1);
        if (!RegistryTree::isValidPath(name) || name.empty())
            reader.fail("bad key path (empty name or unprintable character)");
    }
    return std::string(name);
}

} // namespace

RegistryFile::ParseError::ParseError(int line, const std::string& reason)
    : std::runtime_error("line " + std::to_string(line) + ": " + reason)
    , m_line(line)
    , m_reason(reason) {}

std::string RegistryFile::serialise(const RegistryTree& tree) {
    std::string out(kHeader);
    out += kLineEnd;
    for (const auto& [path, key] : tree.keys()) {
        out += kLineEnd;
        out += '[';
        out += kRootName;
        if (!path.empty())
            out += '\\' + path;
        out += ']';
        out += kLineEnd;
        for (const auto& [name, value] : key.values)
            writeValue(out, name, value);
    }
    return out;
}

RegistryTree RegistryFile::parse(std::string_view text) {
    LineReader reader(text);
    if (reader.atEnd() || reader.next() != kHeader)
        throw ParseError(1, "the first line must be " + std::string(kHeader));

    RegistryTree tree;
    std::set<std::string, RegistryTree::PathLess> keysSeen;
    std::optional<std::string> currentKey;
    std::set<std::string, RegistryTree::PathLess> valuesSeen; // of the current key, ignoring case
    while (!reader.atEnd()) {
        const std::string_view line = reader.next();
        const std::string_view content = trimLeft(line);
        if (content.empty() || content.front() == ';')
            continue;
        if (line.front() == '[') {
            std::string path = readKeyPath(line, reader);
            if (!keysSeen.insert(path).second)
                reader.fail("duplicate key [" + std::string(kRootName) + (path.empty() ? "" : "\\") + path +
                            "]");
            tree.createKey(path);
            currentKey = std::move(path);
            valuesSeen.clear();
            continue;
        }
        if (line.front() != '"' && line.front() != '@')
            reader.fail("unexpected text (expected a key, a value, a comment or a blank line)");
        if (!currentKey)
            reader.fail("value before the first key");

        std::string_view rest = line;
        std::string name;
        if (rest.front() == '@') {
            rest.remove_prefix(1);
        } else {
            name = readQuoted(rest, reader);
            if (name.empty())
                reader.fail("empty value name (the default value is written @)");
        }
        if (rest.empty() || rest.front() != '=')
            reader.fail("expected '=' after the value name");
        rest.remove_prefix(1);
        if (!valuesSeen.insert(name).second)
            reader.fail("duplicate value " + (name.empty() ? std::string("@") : quoted(name)));
        tree.setValue(*currentKey, name, readData(rest, reader));
    }
    return tree;
}

} // namespace settings
