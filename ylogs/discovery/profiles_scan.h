// Scanning a profiles folder into the name lists and the contact tree.
#pragma once

#include <optional>
#include <string>

#include "contact_tree.h"

namespace orvex {

// What lies between an identity and its friends.
inline constexpr const char* kMessagesSubfolder = "/Archive/Messages/";

// Scans the folder text, used as a prefix (names are appended to it as they
// are, so it should end in a separator). None when the text is not an existing
// folder: the caller then keeps its tree, lists and loose-file mode as they are.
// Otherwise "Show all", "Favorite conversations", then each entry whose
// message folder exists (except hidden ones, "My Icons" and "iconindex.dat")
// as an identity, with every non-hidden entry of its message folder as a
// friend, all in listing order (files::ListingOrder).
std::optional<ContactTreeData> ScanProfiles(const std::string& profiles);

// The message folder of an identity: profiles + identity + "/Archive/Messages/".
std::string MessageFolder(const std::string& profiles, const std::string& identity);

}  // namespace orvex
