#include "settings/RegistryFile.h"

#include "settings/RegistryFileReader.h"

#include <cstdint>

namespace settings {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kMaxColumns = 80;
constexpr std::string_view kContinuationIndent = "  ";
constexpr char kHexDigits[] = "0123456789abcdef";

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

} // namespace

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

RegistryFile::ParseError::ParseError(int line, const std::string& reason)
    : std::runtime_error("line " + std::to_string(line) + ": " + reason)
    , m_line(line)
    , m_reason(reason) {}

RegistryFile::Contents RegistryFile::parse(std::string_view text) {
    return RegistryFileReader(text).read();
}

} // namespace settings
