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
  std::vector<std::string> also;  // other profiles folders of the same history
  bool all = false;
  bool favorites = false;
  std::vector<std::string> select;
  std::string settings;
};

// Adds PROFILES (required unless told otherwise) and --also, --all,
// --favorites, --select, --settings.
void AddSelectionOptions(CLI::App& app, SelectionArgs& args, bool profiles_required = true);

struct Selection {
  std::string profiles;  // with its final separator
  // PROFILES and the --also folders, read as one history (PROFILES first).
  std::vector<std::string> folders;
  ContactTreeData data;
  IndexBuild build;
};

// Scans the profiles folder and builds the list as the tree would. Throws
// CLI::ValidationError when a --select names no node.
Selection BuildSelection(const SelectionArgs& args);

// The --also folders that do not exist or hold no profiles, as one message
// for the user; empty when every one does.
std::string MissingAlsoFolders(const Selection& selection);

}  // namespace orvex::cli
