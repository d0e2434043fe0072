// Where the window writes its view pages: a folder of the user's own inside
// the system's temporary folder. The page names are fixed, so in a folder
// that every user can write another user's pages (or links planted under
// their names) would stand in the way.
#pragma once

#include <string>

namespace orvex {

// `base` itself when it belongs to the user and nobody else can write it;
// otherwise `base`/orvex-<uid>, created with access for its owner only.
// When that name is taken by anything but such a folder of ours, a fresh
// private folder is made instead. Ends in a separator; empty when nothing
// could be created (the caller then reports the failure when it writes).
std::string PrivateTempFolder(const std::string& base);

}  // namespace orvex
