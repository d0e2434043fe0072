// The text of the general error box.
#pragma once

#include <string>
#include <string_view>

namespace orvex {

inline constexpr const char* kApplicationTitle = "Orvex Messenger Archive";

// The error's text with "." appended, unless the text is empty or its last
// character is "." or sorts before it.
std::string ErrorBoxText(std::string_view text);

}  // namespace orvex
