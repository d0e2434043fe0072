// The messenger's current user, named in the registry, and its tree node.
#pragma once

#include <string>

#include "contact_tree.h"
#include "platform/registry.h"

namespace orvex {

inline constexpr const char* kPagerKey = "Software/Yahoo/Pager";
inline constexpr const char* kUserIdValue = "Yahoo! User ID";

// The value "Yahoo! User ID"; empty when missing.
std::string ReadRegistryUser(Registry& registry);

// The first identity node in tree order whose name equals the user exactly
// (letter case counts); kNoNode for an empty user or no match.
NodeId SelectRegistryUser(const ContactTreeData& data, const std::string& user);

}  // namespace orvex
