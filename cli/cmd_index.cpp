// orvex-cli index: the contact tree of a profiles folder and the conversation
// list the tree would show for a selection.
#include <algorithm>
#include <memory>
#include <vector>

#include "cli_common.h"
#include "commands.h"
#include "platform/ansi_case.h"
#include "platform/private_profile.h"
#include "ylogs/archive/day_time.h"
#include "ylogs/discovery/contact_tree.h"
#include "ylogs/discovery/conversation_index.h"
#include "ylogs/discovery/identity_panel.h"
#include "ylogs/discovery/profiles_folder.h"
#include "ylogs/discovery/profiles_scan.h"

namespace orvex::cli {
namespace {

constexpr const char* kUsage =
    "usage: orvex-cli index PROFILES [--all | --favorites | --select NAME...] [--settings INI]";
constexpr const char* kSettingsSection = "Settings";
constexpr const char* kFavoriteKeys[] = {"Path", "Identity", "Friend", "Size"};

struct IndexArgs {
  std::string profiles;
  bool all = false;
  bool favorites = false;
  std::vector<std::string> select;
  std::string settings;
};

// The n of a favourite key name such as "Path12" (decimal, no leading zeros).
std::optional<std::int64_t> FavoriteKeyIndex(std::string_view key) {
  for (std::string_view prefix : kFavoriteKeys) {
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 10 ||
        !AnsiEqualsIgnoreCase(key.substr(0, prefix.size()), prefix)) {
      continue;
    }
    const std::string_view digits = key.substr(prefix.size());
    if (digits.size() > 1 && digits.front() == '0') continue;
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      continue;
    }
    return std::stoll(std::string(digits));
  }
  return std::nullopt;
}

// "Size"n: decimal; missing or anything else reads as 0.
std::int32_t FavoriteSize(const ProfileDocument& doc, const std::string& key) {
  const std::string text = GetProfileString(doc, kSettingsSection, key, "");
  if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return 0;
  return ParseProfileInteger(text).value_or(0);
}

// The favourites as the settings file stores them. Indexes up to the count
// that no key names all read as the same empty entry, so the walk ends one
// past the last index any key names: a huge count in a damaged file costs
// nothing.
FavoritesList FavoritesFromSettings(const std::string& file) {
  FavoritesList list;
  const ProfileDocument doc = ProfileDocument::Load(file);
  const std::int64_t count = GetProfileInteger(doc, kSettingsSection, "Favorites", 0);
  std::int64_t last_named = -1;
  for (const std::string& key : doc.KeyNames(kSettingsSection)) {
    if (const auto n = FavoriteKeyIndex(key)) last_named = std::max(last_named, *n);
  }
  const std::int64_t end = std::min(count, last_named + 2);
  for (std::int64_t n = 0; n < end; ++n) {
    const std::string index = std::to_string(n);
    FavoriteEntry entry;
    entry.path = GetProfileString(doc, kSettingsSection, "Path" + index, "");
    entry.identity = GetProfileString(doc, kSettingsSection, "Identity" + index, "");
    entry.friend_name = GetProfileString(doc, kSettingsSection, "Friend" + index, "");
    entry.size = FavoriteSize(doc, "Size" + index);
    list.Add(std::move(entry));
  }
  return list;
}

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

const char* KindWord(NodeKind kind) {
  switch (kind) {
    case nkShowAll:
      return "showall";
    case nkFavorites:
      return "favorites";
    case nkIdentity:
      return "identity";
    case nkFriend:
      return "friend";
  }
  return "";
}

std::string NodeLines(const ContactTreeData& data) {
  std::string out;
  for (NodeId id = 0; id < data.tree.size(); ++id) {
    const TreeNode& n = data.tree.node(id);
    out += "node\t";
    out += KindWord(n.kind);
    out += '\t';
    out += n.kind == nkIdentity || n.kind == nkFriend ? std::to_string(n.name_index) : "-";
    out += '\t';
    out += data.NodeText(id);
    out += '\n';
  }
  return out;
}

std::string EntryLines(const std::vector<ConversationEntry>& entries) {
  std::string out;
  for (const ConversationEntry& e : entries) {
    out += "entry\t" + e.file_name + '\t' + e.identity + '\t' + e.friend_name + '\t';
    if (e.date) out += FormatIsoDate(DayCountToCivil(*e.date));
    out += '\t' + std::to_string(e.size) + '\t' + e.path + '\n';
  }
  return out;
}

int RunIndex(const IndexArgs& args) {
  const std::string profiles = WithFinalSeparator(args.profiles);
  ContactTreeData data;
  if (auto scanned = ScanProfiles(profiles)) data = std::move(*scanned);

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
    if (id == kNoNode) {
      ReportMessage("orvex-cli index: no node matches --select " + wanted);
      ReportMessage(kUsage);
      return kExitUsage;
    }
    selected.push_back(id);
  }

  FavoritesList favorites;
  if (args.favorites && !args.settings.empty()) favorites = FavoritesFromSettings(args.settings);

  const IndexBuild build = BuildConversationIndex(profiles, data, selected, favorites);
  IdentityPanel panel;
  ApplyIndexBuild(panel, build);

  std::string out = NodeLines(data) + EntryLines(build.entries);
  out += "panel\t" + panel.text + '\t' + (panel.archiving_shown ? "shown" : "hidden") + '\n';
  WriteOut(out);
  return kExitOk;
}

}  // namespace

Command AddIndexCommand(CLI::App& app) {
  auto args = std::make_shared<IndexArgs>();
  CLI::App* sub = app.add_subcommand(
      "index", "scan a profiles folder and list the conversations of a selection");
  sub->add_option("PROFILES", args->profiles, "the profiles folder")->required();
  auto* all = sub->add_flag("--all", args->all, "select \"Show all\"");
  auto* favorites =
      sub->add_flag("--favorites", args->favorites, "select \"Favorite conversations\"");
  auto* select = sub->add_option("--select", args->select,
                                 "select the node IDENTITY or IDENTITY/FRIEND (repeatable)");
  all->excludes(favorites)->excludes(select);
  favorites->excludes(select);
  sub->add_option("--settings", args->settings, "the settings file the favourites are read from");
  return {sub, [args] { return RunIndex(*args); }};
}

}  // namespace orvex::cli
