// The selection options shared by index, search and export: which tree nodes
// are selected, and the conversation list that selection gives.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "ylogs/discovery/contact_tree.h"
#include "ylogs/discovery/conversation_index.h"

namespace orvex::cli {

struct SelectionArgs {
  std::string profiles;
  bool all = false;
  bool favorites = false;
  std::vector<std::string> select;
  std::string settings;
};

// Adds PROFILES (required unless told otherwise) and --all, --favorites,
// --select, --settings.
void AddSelectionOptions(CLI::App& app, SelectionArgs& args, bool profiles_required = true);

struct Selection {
  std::string profiles;  // with its final separator
  ContactTreeData data;
  IndexBuild build;
};

// Scans the profiles folder and builds the list as the tree would. Throws
// CLI::ValidationError when a --select names no node.
Selection BuildSelection(const SelectionArgs& args);

}  // namespace orvex::cli
