// orvex-cli index: the contact tree of a profiles folder and the conversation
// list the tree would show for a selection.
#include <algorithm>
#include <memory>
#include <vector>

#include "cli_common.h"
#include "commands.h"
#include "selection.h"
#include "ylogs/base/day_time.h"
#include "ylogs/discovery/contact_tree.h"
#include "ylogs/discovery/conversation_index.h"
#include "ylogs/discovery/identity_panel.h"

namespace orvex::cli {
namespace {

constexpr const char* kUsage =
    "usage: orvex-cli index PROFILES [--all | --favorites | --select NAME...] [--settings INI]";
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
    for (const FileNameBytes& copy : e.copies) out += "copy\t" + copy + '\n';
  }
  return out;
}

int RunIndex(const SelectionArgs& args) {
  Selection selection;
  try {
    selection = BuildSelection(args);
  } catch (const CLI::ValidationError& e) {
    ReportMessage(std::string("orvex-cli index: ") + e.what());
    ReportMessage(kUsage);
    return kExitUsage;
  }
  IdentityPanel panel;
  ApplyIndexBuild(panel, selection.build);
  std::string out = NodeLines(selection.data) + EntryLines(selection.build.entries);
  out += "panel\t" + panel.text + '\t' + (panel.archiving_shown ? "shown" : "hidden") + '\n';
  WriteOut(out);
  return kExitOk;
}

}  // namespace

Command AddIndexCommand(CLI::App& app) {
  auto args = std::make_shared<SelectionArgs>();
  CLI::App* sub = app.add_subcommand(
      "index", "scan a profiles folder and list the conversations of a selection");
  AddSelectionOptions(*sub, *args);
  return {sub, [args] { return RunIndex(*args); }};
}

}  // namespace orvex::cli
