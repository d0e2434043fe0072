// The contact tree: two fixed nodes, the identities, and each identity's
// friends as its children. Nodes carry a kind and an index into the name
// lists; the window mirrors them one for one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>
#include "ylogs/base/ui_text.h"

namespace orvex {

enum NodeKind : std::uint8_t {
  nkIdentity = 1,
  nkFriend = 2,
  nkShowAll = 3,
  nkFavorites = 4,
};

// A node's position in tree order (parents before their children).
using NodeId = int;
inline constexpr NodeId kNoNode = -1;

struct TreeNode {
  NodeKind kind = nkShowAll;
  std::int32_t name_index = -1;  // into IdentityNames or FriendNames; -1 for the fixed nodes
  NodeId parent = kNoNode;
  std::vector<NodeId> children;
};

inline constexpr const char* kShowAllText = UI_TEXT("Core", "Show all");
inline constexpr const char* kFavoritesText = UI_TEXT("Core", "Favorite conversations");

// Nodes kept in tree order. Children may only be added to the last top-level
// node, which is how a scan builds the tree and what keeps the order.
class ContactTree {
 public:
  NodeId AddTopLevel(NodeKind kind, std::int32_t name_index = -1);
  // Throws std::logic_error when the parent is not the last top-level node.
  NodeId AddChild(NodeId parent, NodeKind kind, std::int32_t name_index);

  const std::vector<TreeNode>& nodes() const { return nodes_; }
  const TreeNode& node(NodeId id) const { return nodes_.at(static_cast<std::size_t>(id)); }
  int size() const { return static_cast<int>(nodes_.size()); }
  const std::vector<NodeId>& top_level() const { return top_level_; }

 private:
  std::vector<TreeNode> nodes_;
  std::vector<NodeId> top_level_;
};

// The result of scanning a profiles folder: the two name lists and the tree.
struct ContactTreeData {
  std::vector<std::string> identity_names;
  std::vector<std::string> friend_names;  // all identities' friends, duplicates kept
  ContactTree tree;

  // The node's text: the fixed texts, or its name.
  std::string NodeText(NodeId id) const;
  // The identity name of an identity node, or of a friend node's parent.
  const std::string& IdentityNameOf(NodeId id) const;
};

}  // namespace orvex
