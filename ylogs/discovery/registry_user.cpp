#include "registry_user.h"

namespace orvex {

std::string ReadRegistryUser(Registry& registry) {
  try {
    return registry.ReadString(kPagerKey, kUserIdValue);
  } catch (const RegistryError&) {
    return {};  // an unreadable registry names no user, as an empty one
  }
}

NodeId SelectRegistryUser(const ContactTreeData& data, const std::string& user) {
  if (user.empty()) return kNoNode;
  for (NodeId id : data.tree.top_level()) {
    if (data.tree.node(id).kind == nkIdentity && data.IdentityNameOf(id) == user) return id;
  }
  return kNoNode;
}

}  // namespace orvex
