#include "places/FileCheck.h"

#include "document/ConfigBuffer.h"
#include "document/Windows1252.h"
#include "places/FileShift.h"
#include "places/PlaceIndex.h"
#include "places/PlaceText.h"

#include <cstdio>
#include <ostream>

namespace places {

FileCheck::FileCheck(const std::string& file, std::ostream& out, std::vector<std::string_view> templ)
    : m_file(file)
    , m_out(out)
    , m_template(std::move(templ)) {
    for (const Place& place : allPlaces())
        m_placeLines.insert(place.line);
}

void FileCheck::scan(std::string_view bytes) {
    std::size_t lineStart = 0;
    std::size_t lineIndex = 0;
    bool undefinedSeen = false;
    bool controlSeen = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r' || b == '\n') {
            int kind = b == '\n' ? kLf : kCr;
            if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                kind = kCrLf;
            endLine(lineIndex, i - lineStart, kind);
            m_lines.push_back(bytes.substr(lineStart, i - lineStart));
            if (kind == kCrLf)
                ++i;
            lineStart = i + 1;
            ++lineIndex;
            undefinedSeen = false;
            controlSeen = false;
            continue;
        }
        if (b == 0 && !m_nulSeen) {
            m_nulSeen = true;
            m_editorLines = lineIndex + 1;
            finding(lineIndex, "a NUL byte at column " + std::to_string(i - lineStart + 1) +
                                   ": the editor cuts the file there and a save drops the " +
                                   std::to_string(bytes.size() - i) + " bytes from it on");
        }
        if (!controlSeen && b != 0 && (b < 0x20 || b == 0x7F)) {
            controlSeen = true;
            char hex[8];
            std::snprintf(hex, sizeof hex, "U+%04X", b);
            finding(lineIndex, std::string("control character ") + hex + " at column " +
                                   std::to_string(i - lineStart + 1));
        }
        if (!undefinedSeen && b >= 0x80 && b < 0xA0 && document::windows1252::toUnicode(b) == b) {
            undefinedSeen = true;
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", b);
            finding(lineIndex, std::string("byte ") + hex + " at column " +
                                   std::to_string(i - lineStart + 1) + " is not defined in Windows-1252");
        }
    }
    endLine(lineIndex, bytes.size() - lineStart, -1);
    m_lines.push_back(bytes.substr(lineStart));
    if (!m_nulSeen)
        m_editorLines = lineIndex + 1;
    reportLineEnds();
    reportMissingPlaces();
    reportShift();
}

void FileCheck::finding(std::size_t lineIndex, const std::string& what) {
    m_out << m_file << ":" << lineIndex + 1 << ": " << what << "\n";
    ++m_findings;
}

void FileCheck::endLine(std::size_t lineIndex, std::size_t length, int kind) {
    if (length > document::ConfigBuffer::kMaxReadLength && m_placeLines.count(int(lineIndex)) != 0)
        finding(lineIndex, "place line of " + std::to_string(length) +
                               " characters: the editor shows only its first " +
                               std::to_string(document::ConfigBuffer::kMaxReadLength));
    if (kind < 0)
        return;
    if (m_ends[std::size_t(kind)]++ == 0)
        m_firstEnd[std::size_t(kind)] = lineIndex;
}

void FileCheck::reportLineEnds() {
    static constexpr std::array<const char*, 3> kNames = {"CR LF", "LF", "CR"};
    int kinds = 0;
    for (const std::size_t n : m_ends)
        kinds += n != 0;
    if (kinds < 2)
        return;
    m_out << m_file << ": mixed line ends:";
    for (std::size_t k = 0; k < 3; ++k) {
        if (m_ends[k] != 0)
            m_out << " " << m_ends[k] << " " << kNames[k] << " (first on line " << m_firstEnd[k] + 1 << ")";
    }
    m_out << "; a save makes them all CR LF\n";
    ++m_findings;
}

void FileCheck::reportMissingPlaces() {
    int missing = 0;
    const Place* first = nullptr;
    for (const Place& place : allPlaces()) {
        if (std::size_t(place.line) >= m_editorLines && missing++ == 0)
            first = &place;
    }
    if (missing == 0)
        return;
    m_out << m_file << ": the file ends at line " << m_editorLines << ": " << missing
          << " place lines are missing, the first is " << describePlace(*first) << "\n";
    ++m_findings;
}

void FileCheck::reportShift() {
    if (m_template.empty())
        return;
    if (const auto shift = findShift(m_lines, m_template)) {
        m_out << m_file << ": " << describeShift(*shift)
              << ": the editor and the game read each place below it from the wrong line\n";
        ++m_findings;
    }
}

} // namespace places
