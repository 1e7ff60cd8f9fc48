#include "document/LineEnds.h"

#include <cstring>

namespace document::lineends {

Census count(std::string_view text) noexcept {
    Census c;
    const char* p = text.data();
    const char* const end = p + text.size();
    for (; p < end; ++p) {
        const char ch = *p;
        if (ch == '\r') {
            ++c.lineEnds;
            if (p + 1 < end && p[1] == '\n')
                ++p;
            else
                ++c.lone;
        } else if (ch == '\n') {
            ++c.lineEnds;
            ++c.lone;
        }
    }
    return c;
}

std::string normalised(std::string_view text, const Census& census) {
    std::string out(text.size() + census.lone, '\0');
    char* o = out.data();
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char ch = *p++;
        if (ch == '\r' || ch == '\n') {
            *o++ = '\r';
            *o++ = '\n';
            if (ch == '\r' && p < end && *p == '\n')
                ++p;
        } else {
            *o++ = ch;
        }
    }
    return out;
}

std::vector<LineOffset> indexLines(std::string_view text, std::size_t lineEnds) {
    std::vector<LineOffset> starts;
    starts.reserve(lineEnds + 1);
    starts.push_back(0);
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    for (const char* p = begin; p < end;) {
        const void* lf = std::memchr(p, '\n', std::size_t(end - p));
        if (!lf)
            break;
        p = static_cast<const char*>(lf) + 1;
        starts.push_back(LineOffset(p - begin));
    }
    return starts;
}

} // namespace document::lineends
