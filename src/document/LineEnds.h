#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The buffer's line model: every line end is CR LF. These helpers bring any text
// into that form (a lone CR or LF becomes CR LF; LF CR is two line ends) and find
// where its lines start.
namespace document::lineends {

struct Census {
    std::size_t lineEnds = 0; // line ends after normalisation
    std::size_t lone = 0;     // lone CR or LF, each one byte short of CR LF
};

Census count(std::string_view text) noexcept;

// The text with every lone CR or LF turned into CR LF; `census` must be count(text).
std::string normalised(std::string_view text, const Census& census);

// Offsets into a buffer text; the capacity keeps every text below 4 GiB.
using LineOffset = std::uint32_t;

// The offset at which each line starts, for a text in normal form with `lineEnds` line ends.
std::vector<LineOffset> indexLines(std::string_view text, std::size_t lineEnds);

} // namespace document::lineends
