#include "contact_tree.h"

#include <stdexcept>

namespace orvex {

NodeId ContactTree::AddTopLevel(NodeKind kind, std::int32_t name_index) {
  const NodeId id = size();
  nodes_.push_back(TreeNode{kind, name_index, kNoNode, {}});
  top_level_.push_back(id);
  return id;
}

NodeId ContactTree::AddChild(NodeId parent, NodeKind kind, std::int32_t name_index) {
  if (top_level_.empty() || top_level_.back() != parent) {
    throw std::logic_error("ContactTree: children go to the last top-level node");
  }
  const NodeId id = size();
  nodes_.push_back(TreeNode{kind, name_index, parent, {}});
  nodes_[static_cast<std::size_t>(parent)].children.push_back(id);
  return id;
}

std::string ContactTreeData::NodeText(NodeId id) const {
  const TreeNode& n = tree.node(id);
  switch (n.kind) {
    case nkShowAll:
      return kShowAllText;
    case nkFavorites:
      return kFavoritesText;
    case nkIdentity:
      return identity_names.at(static_cast<std::size_t>(n.name_index));
    case nkFriend:
      return friend_names.at(static_cast<std::size_t>(n.name_index));
  }
  return {};
}

const std::string& ContactTreeData::IdentityNameOf(NodeId id) const {
  const TreeNode& n = tree.node(id);
  const TreeNode& identity = n.kind == nkFriend ? tree.node(n.parent) : n;
  return identity_names.at(static_cast<std::size_t>(identity.name_index));
}

}  // namespace orvex
