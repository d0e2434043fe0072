// Where the messenger keeps its profiles unless the user picks another folder.
#pragma once

#include <string>
#include <string_view>

namespace orvex {

inline constexpr char kPathSeparator = '/';

// The profiles folder below a programs folder: a separator is added only when
// the value does not end in one. An empty value gives a folder at the root.
std::string DefaultProfilesFolder(std::string_view program_files);

// The same for the value of "PROGRAMFILES" (empty when it is not set).
std::string DefaultProfilesFolderFromEnvironment();

// The text with a final separator, as a folder text used as a prefix needs it;
// an empty text stays empty.
std::string WithFinalSeparator(std::string text);

}  // namespace orvex
