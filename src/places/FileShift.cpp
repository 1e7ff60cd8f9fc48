#include "places/FileShift.h"

#include "core/ProgramDirectory.h"
#include "document/ConfigBuffer.h"
#include "document/TemplateFile.h"
#include "places/DocumentFile.h"
#include "places/PlaceIndex.h"
#include "places/ToolError.h"

#include <algorithm>
#include <ostream>
#include <set>

namespace places {
namespace {

constexpr int kFewest = 3; // shifted lines that make a shift

std::vector<int> nonPlaceLines(std::size_t lineCount) {
    std::set<int> places;
    for (const Place& place : allPlaces())
        places.insert(place.line);
    std::vector<int> lines;
    for (int i = 0; i < int(lineCount); ++i) {
        if (places.count(i) == 0)
            lines.push_back(i);
    }
    return lines;
}

} // namespace

std::optional<Shift> findShift(const std::vector<std::string_view>& file,
                               const std::vector<std::string_view>& templ) {
    const std::vector<int> others = nonPlaceLines(templ.size());
    const int n = int(others.size());
    const auto matches = [&](int j, int by) {
        const int at = others[std::size_t(j)] + by;
        return at >= 0 && at < int(file.size()) &&
               file[std::size_t(at)] == templ[std::size_t(others[std::size_t(j)])];
    };
    std::vector<int> inPlace(std::size_t(n) + 1, 0);      // of the lines before j, those in place
    std::vector<int> lastInPlace(std::size_t(n) + 1, -1); // the last of them
    for (int j = 0; j < n; ++j) {
        const bool here = matches(j, 0);
        inPlace[std::size_t(j) + 1] = inPlace[std::size_t(j)] + here;
        lastInPlace[std::size_t(j) + 1] = here ? others[std::size_t(j)] : lastInPlace[std::size_t(j)];
    }

    std::optional<Shift> best;
    int bestGain = 0;
    // A shift by more lines than the template has is not looked for.
    const int reach = int(templ.size());
    for (int by = -reach; by <= reach; ++by) {
        if (by == 0)
            continue;
        // From the end up: of the lines from j on, those `by` off.
        int off = 0;
        for (int j = n - 1; j >= 0; --j) {
            off += matches(j, by);
            const int from = n - j;
            const int stay = inPlace[std::size_t(n)] - inPlace[std::size_t(j)];
            const int gain = off - stay;
            if (!matches(j, by) || off < kFewest || 3 * off < 2 * from || gain <= bestGain)
                continue;
            // The shift starts after the last line before j that is in place.
            bestGain = gain;
            best = Shift{by, lastInPlace[std::size_t(j)] + 2};
        }
    }
    return best;
}

std::vector<std::string_view> linesOf(const document::ConfigBuffer& buffer, std::size_t most) {
    std::vector<std::string_view> lines;
    const std::size_t count = std::min(buffer.lineCount(), most);
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back(buffer.line(i));
    return lines;
}

std::string describeShift(const Shift& shift) {
    const int size = shift.by < 0 ? -shift.by : shift.by;
    return "the file is shifted by " + std::to_string(shift.by) + (size == 1 ? " line" : " lines") +
           " from line " + std::to_string(shift.fromLine) + " (" + std::to_string(size) +
           (size == 1 ? " line " : " lines ") + (shift.by > 0 ? "added" : "missing") + ")";
}

std::optional<document::ConfigBuffer> templateBuffer() {
    try {
        return loadDocument(document::templatePath(core::programDirectory()));
    } catch (const ToolError&) {
        return std::nullopt;
    }
}

namespace {

std::optional<Shift> shiftFromTemplate(const document::ConfigBuffer& buffer) {
    const auto templ = templateBuffer();
    if (!templ)
        return std::nullopt;
    return findShift(linesOf(buffer, 2 * templ->lineCount()), linesOf(*templ));
}

} // namespace

void requireUnshifted(const document::ConfigBuffer& buffer, const std::string& file) {
    if (const auto shift = shiftFromTemplate(buffer))
        throw ToolError(file, describeShift(*shift) + ", so its places are not on their lines; see "
                                                      "'vantorel-places check'");
}

void warnIfShifted(const document::ConfigBuffer& buffer, const std::string& file, std::ostream& err) {
    if (const auto shift = shiftFromTemplate(buffer))
        err << kProgramName << ": " << file << ": warning: " << describeShift(*shift)
            << ", so its places are not on their lines; see 'vantorel-places check'\n";
}

} // namespace places
