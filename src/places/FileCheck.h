#pragma once

#include <array>
#include <cstddef>
#include <iosfwd>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace places {

// What would surprise the editor or the game in a file's raw bytes, one finding a line on
// `out`: a NUL byte, control characters, bytes Windows-1252 does not define, place lines longer
// than the editor shows, mixed line ends, place lines missing, and lines shifted from where the
// template has them. Lines are counted as the editor counts them
// (CR LF, a lone CR and a lone LF each end one).
class FileCheck {
public:
    // `templ`: the template's lines, or nothing when there is no template to compare with.
    FileCheck(const std::string& file, std::ostream& out, std::vector<std::string_view> templ = {});

    void scan(std::string_view bytes);
    int findings() const noexcept { return m_findings; }

private:
    static constexpr int kCrLf = 0, kLf = 1, kCr = 2;

    void finding(std::size_t lineIndex, const std::string& what);
    void endLine(std::size_t lineIndex, std::size_t length, int kind);
    void reportLineEnds();
    void reportMissingPlaces();
    void reportShift();

    const std::string& m_file;
    std::ostream& m_out;
    std::set<int> m_placeLines;
    std::vector<std::string_view> m_template;
    std::vector<std::string_view> m_lines;
    std::array<std::size_t, 3> m_ends{};
    std::array<std::size_t, 3> m_firstEnd{};
    std::size_t m_editorLines = 0;
    bool m_nulSeen = false;
    int m_findings = 0;
};

} // namespace places
