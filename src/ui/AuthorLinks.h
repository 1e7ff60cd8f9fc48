#pragma once

#include <string>
#include <string_view>

// The author's addresses, shown by the About window's links and named by one of the tips.
namespace ui::author {

inline constexpr std::string_view kMailAddress = "orrel@example.com";
inline constexpr std::string_view kSiteAddress = "http://kestrow3.example.com/";

// What the e-mail link opens: a new message to the author.
inline std::string mailTarget() {
    return "Mailto:" + std::string(kMailAddress);
}

} // namespace ui::author
