#include "invariants.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <set>

#include "list_reading.h"
#include "tests/support/archive_writer.h"
#include "tests/window/window_controls.h"
#include "widgets/tab_strip.h"
#include "window/frmmain.h"
#include "window/list/conversation_model.h"
#include "ylogs/views/conversation_list.h"

namespace orvex::testing {

namespace fs = std::filesystem;

Invariants::Invariants(Monkey& monkey, std::vector<fs::path> outside)
    : monkey_(monkey), outside_(std::move(outside)) {}

std::map<std::string, FileState> Invariants::FixedNow() const {
  std::map<std::string, FileState> files;
  for (const fs::path& folder : outside_) files.merge(SnapshotTree(folder, false));
  for (const fs::path& folder : {monkey_.world.program, monkey_.world.config}) {
    for (auto& [path, state] : SnapshotTree(folder, false)) {
      const std::string name = fs::path(path).filename().string();
      if (name == "orvex.ini" || name == "registry.ini") continue;
      files[path] = state;
    }
  }
  return files;
}

void Invariants::TakeBaseline() {
  archives_ = SnapshotTree(monkey_.world.profiles, true);
  archives_.merge(SnapshotTree(monkey_.world.profiles2, true));
  fixed_ = FixedNow();
}

std::vector<std::string> Invariants::Check(TfrmMain& w) {
  std::vector<std::string> failed;
  CheckList(w, failed);
  CheckPanels(w, failed);
  CheckArchives(failed);
  CheckFolders(failed);
  return failed;
}

void Invariants::CheckList(TfrmMain& w, std::vector<std::string>& failed) const {
  const int tabs = Ui(w).TabSet->count();
  const int active = Ui(w).TabSet->currentIndex();
  auto& searches = w.list().search_list();
  if (static_cast<int>(searches.size()) != tabs - 1) {
    failed.push_back("tabs " + std::to_string(tabs) + " but searches " +
                     std::to_string(searches.size()));
    return;
  }
  if (Ui(w).TabSet->isVisibleTo(&w) != (tabs > 1))
    failed.push_back("tab strip shown with " + std::to_string(tabs) + " tabs");
  const bool rank_shown = !Ui(w).msg->isColumnHidden(kRankColumn);
  const std::vector<const ConversationEntry*> all = AllEntries(*Ui(w).msg);
  const std::vector<const ConversationEntry*> shown = ShownEntries(*Ui(w).msg);
  if (active <= 0) {
    if (rank_shown) failed.push_back("Rank column shown on the Conversations tab");
    if (shown.size() != all.size())
      failed.push_back("Conversations tab hides " + std::to_string(all.size() - shown.size()) +
                       " rows");
    return;
  }
  if (!rank_shown) failed.push_back("Rank column hidden on search tab " + std::to_string(active));
  if (monkey_.list_refilled_under_search) return;
  // The hit counts go to the list's rows by position; whatever the order, the
  // shown rows carry exactly the positive counts the list had rows for.
  const std::vector<std::string>& hits = searches[active - 1].second;
  std::vector<int> expected, seen;
  for (std::size_t i = 0; i < std::min(hits.size(), all.size()); ++i) {
    const int count = std::atoi(hits[i].c_str());
    if (count >= 1) expected.push_back(count);
  }
  int highest = 0;
  for (const ConversationEntry* e : shown) {
    if (!e) continue;
    seen.push_back(e->rank);
    highest = std::max(highest, e->rank);
  }
  std::sort(expected.begin(), expected.end());
  std::sort(seen.begin(), seen.end());
  if (expected != seen) {
    std::string text = "search tab " + std::to_string(active) + " shows ranks";
    for (int r : seen) text += " " + std::to_string(r);
    text += " for hit counts";
    for (int r : expected) text += " " + std::to_string(r);
    failed.push_back(text);
  }
  if (w.list().model().highest_rank() != highest)
    failed.push_back("highest rank " + std::to_string(w.list().model().highest_rank()) +
                     " but shown " + std::to_string(highest));
}

namespace {

// The identity folder of an archive file below a profiles folder:
// <profiles>/<identity>/Archive/Messages/<friend>/<file>.
std::string IdentityFolderOf(const std::string& path) {
  return fs::path(path).parent_path().parent_path().parent_path().parent_path().filename().string();
}

QTreeWidgetItem* FirstSelectedNode(QTreeWidget* tree) {
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    if ((*it)->isSelected()) return *it;
  }
  return nullptr;
}

}  // namespace

void Invariants::CheckPanels(TfrmMain& w, std::vector<std::string>& failed) const {
  if (!w.long_action_running()) {
    if (Ui(w).pnlWait->isVisibleTo(&w)) failed.push_back("wait panel shown with nothing running");
    if (!Ui(w).msg->isEnabled() || !Ui(w).txtSearch->isEnabled())
      failed.push_back("commands disabled with nothing running");
  }
  // A list built from the tree (not from the favourites, not loose files)
  // names its one identity, or "multiple"; an empty one leaves the panel.
  QTreeWidgetItem* first = FirstSelectedNode(Ui(w).ids);
  if (!first || first->text(0) == "Favorite conversations") return;
  std::set<std::string> identities;
  for (const ConversationEntry* e : AllEntries(*Ui(w).msg)) {
    if (e) identities.insert(IdentityFolderOf(e->path));
  }
  if (identities.empty()) return;
  const QString expected = identities.size() == 1
                               ? "Yahoo ID: " + QString::fromStdString(*identities.begin())
                               : QString("Yahoo ID: multiple");
  if (Ui(w).panID->text() != expected)
    failed.push_back("identity panel \"" + Ui(w).panID->text().toStdString() + "\" for a list of " +
                     expected.toStdString());
  if (Ui(w).panMesArch->isVisibleTo(&w) != (identities.size() == 1))
    failed.push_back("archiving panel shown wrongly for " + expected.toStdString());
}

void Invariants::CheckArchives(std::vector<std::string>& failed) const {
  std::map<std::string, FileState> now = SnapshotTree(monkey_.world.profiles, true);
  now.merge(SnapshotTree(monkey_.world.profiles2, true));
  for (const auto& [path, state] : archives_) {
    auto it = now.find(path);
    if (it == now.end()) {
      if (!monkey_.deletable.count(path)) failed.push_back("archive file gone: " + path);
      continue;
    }
    if (!(it->second == state)) failed.push_back("archive file changed: " + path);
  }
  for (const auto& [path, state] : now) {
    if (!archives_.count(path)) failed.push_back("new file among the archives: " + path);
  }
}

int Invariants::RestockIfThin() {
  std::vector<std::string> gone;
  for (const auto& [path, state] : archives_) {
    if (!fs::exists(path)) gone.push_back(path);
  }
  if (gone.size() * 3 <= archives_.size()) return 0;
  for (const std::string& path : gone) {
    const FileState& state = archives_.at(path);
    WriteBytes(path, state.bytes);
    fs::last_write_time(path,
                        fs::file_time_type(std::chrono::duration_cast<fs::file_time_type::duration>(
                            std::chrono::nanoseconds(state.mtime_ns))));
    monkey_.deletable.erase(path);
  }
  return static_cast<int>(gone.size());
}

void Invariants::CheckFolders(std::vector<std::string>& failed) const {
  const std::map<std::string, FileState> now = FixedNow();
  for (const auto& [path, state] : now) {
    auto it = fixed_.find(path);
    if (it == fixed_.end()) {
      failed.push_back("file written in a watched folder: " + path);
    } else if (!(it->second == state)) {
      failed.push_back("file changed in a watched folder: " + path);
    }
  }
  for (const auto& [path, state] : fixed_) {
    if (!now.count(path)) failed.push_back("file removed from a watched folder: " + path);
  }
}

}  // namespace orvex::testing
