#pragma once
// Fixed texts of the product shown in the about box and its links (the display
// title and the internal window name are in common/ProductTexts.h).

namespace product {

inline constexpr const char *kVersion = "4.0";
inline constexpr const char *kBuildDate = "20090514";
inline constexpr const char *kHomePage = "https://www.example.com/pelorin/";
inline constexpr const char *kSupportAddress = "mailto:support@example.com";
inline constexpr const char *kMakerName = "Pelorin Software";
inline constexpr const char *kMakerWebAddress = "www.example.com";

} // namespace product
