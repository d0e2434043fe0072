// Scanning a profiles folder into the name lists and the contact tree.
#pragma once

#include <optional>
#include <string>
#include <vector>

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

// Several profiles folders read as one history (the main one first): each
// identity name once, from every folder, and under it each friend name once,
// in the order a single folder's scan gives. None when the main folder is not
// an existing folder; another that is not is left out.
std::optional<ContactTreeData> ScanProfiles(const std::vector<std::string>& folders);

// The message folder of an identity: profiles + identity + "/Archive/Messages/".
std::string MessageFolder(const std::string& profiles, const std::string& identity);

}  // namespace orvex
