#pragma once
// The product name: caption, tip, message-box title and part of several texts.
namespace tarvio::extras {

inline constexpr const char* kProductName = "Tarvio";

}  // namespace tarvio::extras
