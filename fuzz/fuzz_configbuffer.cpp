// Fuzzes the config buffer's text normalisation (the path every Load takes after reading):
// whatever the bytes, the text has no NUL and only CR LF line ends, its lines are indexed
// right, normalising again changes nothing, and replacing a line keeps all of that.
#include "core/Exception.h"
#include "document/ConfigBuffer.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kCapacity = std::size_t(1) << 20;

void require(bool ok) {
    if (!ok)
        __builtin_trap();
}

void checkNormalForm(const document::ConfigBuffer& buffer) {
    const std::string& text = buffer.wholeText();
    require(text.find('\0') == std::string::npos);
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            require(i + 1 < text.size() && text[i + 1] == '\n');
            ++lineEnds;
            ++i;
        } else {
            require(text[i] != '\n');
        }
    }
    require(buffer.lineCount() == lineEnds + 1);

    // The lines, joined with CR LF, are the text (each read capped at 4096 bytes).
    std::size_t at = 0;
    for (std::size_t n = 0; n < buffer.lineCount(); ++n) {
        const std::size_t end = std::min(text.find("\r\n", at), text.size());
        const std::string line = buffer.readLine(n);
        require(line.size() <= document::ConfigBuffer::kMaxReadLength);
        require(std::string_view(text).substr(
                    at, std::min(end - at, document::ConfigBuffer::kMaxReadLength)) == line);
        at = end + 2;
    }
    require(buffer.readLine(buffer.lineCount()).empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    document::ConfigBuffer buffer(kCapacity);
    try {
        buffer.setText(input);
    } catch (const core::EInvalidOperation&) {
        return 0; // over capacity once normalised
    }
    checkNormalForm(buffer);

    const std::string once = buffer.wholeText();
    buffer.setText(once);
    require(buffer.wholeText() == once);

    // The first byte picks a line, the rest of the input replaces it.
    if (size > 0) {
        const std::size_t line = data[0] % (buffer.lineCount() + 1);
        const std::size_t before = buffer.lineCount();
        try {
            buffer.replaceLine(line, input.substr(1));
        } catch (const core::EInvalidOperation&) {
            return 0;
        }
        checkNormalForm(buffer);
        if (line >= before)
            require(buffer.wholeText() == once);
    }
    return 0;
}
