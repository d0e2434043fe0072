#include "selection.h"

#include "cli_common.h"
#include "ylogs/discovery/archive_places.h"
#include "ylogs/discovery/profiles_folder.h"
#include "ylogs/discovery/profiles_scan.h"
#include "ylogs/program/settings.h"

namespace orvex::cli {
namespace {

// The first node in tree order that "IDENTITY" or "IDENTITY/FRIEND" names.
NodeId FindNode(const ContactTreeData& data, const std::string& wanted) {
  const auto slash = wanted.find('/');
  const std::string identity = wanted.substr(0, slash);
  for (NodeId id = 0; id < data.tree.size(); ++id) {
    const TreeNode& n = data.tree.node(id);
    if (slash == std::string::npos) {
      if (n.kind == nkIdentity && data.NodeText(id) == identity) return id;
    } else if (n.kind == nkFriend && data.NodeText(id) == wanted.substr(slash + 1) &&
               data.IdentityNameOf(id) == identity) {
      return id;
    }
  }
  return kNoNode;
}

}  // namespace

void AddSelectionOptions(CLI::App& app, SelectionArgs& args, bool profiles_required) {
  app.add_option("PROFILES", args.profiles, "the profiles folder")
      ->required(profiles_required)
      ->transform(PathArgument());
  app.add_option("--also", args.also,
                 "another profiles folder of the same history, read with PROFILES (repeatable)")
      ->transform(PathArgument());
  auto* all = app.add_flag("--all", args.all, "select \"Show all\"");
  auto* favorites =
      app.add_flag("--favorites", args.favorites, "select \"Favorite conversations\"");
  auto* select = app.add_option("--select", args.select,
                                "select the node IDENTITY or IDENTITY/FRIEND (repeatable)");
  all->excludes(favorites)->excludes(select);
  favorites->excludes(select);
  app.add_option("--settings", args.settings, "the settings file the favourites are read from")
      ->transform(PathArgument());
}

Selection BuildSelection(const SelectionArgs& args) {
  Selection result;
  result.profiles = WithFinalSeparator(args.profiles);
  result.folders = HistoryFolders(result.profiles, args.also);
  if (auto scanned = ScanProfiles(result.folders)) result.data = std::move(*scanned);
  const ContactTreeData& data = result.data;

  std::vector<NodeId> selected;
  const auto select_first_of_kind = [&](NodeKind kind) {
    for (NodeId id : data.tree.top_level()) {
      if (data.tree.node(id).kind == kind) {
        selected.push_back(id);
        return;
      }
    }
  };
  if (args.all) select_first_of_kind(nkShowAll);
  if (args.favorites) select_first_of_kind(nkFavorites);
  for (const std::string& wanted : args.select) {
    const NodeId id = FindNode(data, wanted);
    if (id == kNoNode) throw CLI::ValidationError("--select", "no node matches " + wanted);
    selected.push_back(id);
  }

  // The favourites as the settings file holds them, read as the window reads them.
  FavoritesList favorites;
  if (args.favorites && !args.settings.empty()) {
    for (FavoriteEntry& f : ReadSettings(args.settings).favorites) {
      favorites.AddLoaded(std::move(f));
    }
  }
  result.build = BuildConversationIndex(result.folders, data, selected, favorites);
  return result;
}

std::string MissingAlsoFolders(const Selection& selection) {
  std::string missing;
  for (std::size_t i = 1; i < selection.folders.size(); ++i) {
    if (HoldsProfiles(selection.folders[i])) continue;
    missing += (missing.empty() ? "" : "\n") + std::string("No message archives were found in ") +
               selection.folders[i] + " (--also): give a folder that holds profiles.";
  }
  return missing;
}

}  // namespace orvex::cli
