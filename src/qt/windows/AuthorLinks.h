#pragma once

// The author's addresses, shown by the About window and named by one of the tips.
namespace author {

inline constexpr char kMailAddress[] = "orrel@example.com";
inline constexpr char kSiteAddress[] = "http://kestrow3.example.com/";

} // namespace author
