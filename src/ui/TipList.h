#pragma once

#include <array>
#include <string_view>

// The Tip of the Day window's 25 fixed tips, in the order the generator's draws index them.
namespace ui {

inline constexpr int kTipCount = 25;

const std::array<std::string_view, kTipCount>& tipList();

// The tip with that index; empty text for an index outside the list.
std::string_view tipLine(int index);

} // namespace ui
