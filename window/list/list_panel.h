// The conversation list area: the search row above, the list of one archive
// file per row with its header, and the strip of search tabs under it. It
// owns the list's model, the selection by entry, the sort and the searches
// its tabs show: it sorts on a header click and shows, closes and forgets its
// tabs itself, and tells the window what the user selected or asked for.
#pragma once

#include <QFrame>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/text_kinds.h"
#include "window/handler_guard.h"
#include "ylogs/discovery/conversation_entry.h"
#include "ylogs/export/export_writer.h"
#include "ylogs/views/conversation_list.h"

class QAction;
class QItemSelectionModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace orvex {

class ConversationModel;
class TabStrip;

class ListPanel : public QFrame, public GuardedHandlers {
  Q_OBJECT

 public:
  // The search row is made beside the list, for the window to place.
  explicit ListPanel(QWidget* parent);

  QWidget* search_row() const { return search_row_; }
  const ConversationModel& model() const { return *model_; }
  // The selection by entry, also of entries a search tab leaves out.
  const QItemSelectionModel& selection() const { return *selection_; }
  // The selected entries' rows, in entry order.
  std::vector<int> SelectedRowsInOrder() const;
  // The selected entries, in entry order.
  std::vector<ConversationEntry> SelectedEntries() const;
  // Per search tab: the words searched and the hit count of each file, as
  // decimal texts.
  const std::vector<std::pair<std::string, std::vector<std::string>>>& search_list() const {
    return search_list_;
  }
  // The active search tab's words; none on the "Conversations" tab.
  std::optional<std::string> highlight() const;
  // What an export writes of the list, in list order: the selected rows,
  // every row, or the rows the active tab lists.
  enum class Rows { kSelected, kAll, kListed };
  std::vector<ExportSource> ExportSources(Rows rows) const;

  // Fills the list, sorted again by the chosen column.
  void FillList(std::vector<ConversationEntry> entries);
  // The date column's text of a day.
  void SetDateText(std::function<QString(double)> date_text);
  // The rank a search counted for an entry, shown while it searches.
  void SetRank(int row, std::int32_t hits);
  void CloseAllSearchTabs();
  // Shows the strip and the rank column, keeps a search's counts with the
  // paths of the files they were counted for, and activates its new tab.
  void AddSearchTab(const QString& shown_text, const std::string& text,
                    std::vector<std::string> hit_counts, std::vector<FileNameBytes> searched_paths);
  // Selects every entry: one selection change.
  void SelectAll();
  // An action (with its shortcut) that works while the list has the focus.
  void AddListAction(QAction* action);
  // Puts the keyboard in the search box, its text selected.
  void FocusSearchBox();

 signals:
  // The entries now selected, in entry order.
  void selectionChanged(const std::vector<ConversationEntry>& selected);
  // "Search" or Return in the search box, with the box's text.
  void searchRequested(const QString& text);
  // The list's menu is asked for at this point of the screen.
  void menuRequested(const QPoint& global);

 private:
  // Sorts by a column as a click on its header does.
  void SortBy(int column);
  // Shows what a tab lists: all entries, or those a search counted hits in,
  // with their ranks.
  void ShowTab(int tab);
  // Forgets a search tab's counts; the strip goes when one tab is left.
  void ForgetTab(int tab);
  // Makes a tab the active one; ShowTab runs for it.
  void ActivateTab(int tab);
  void CloseActiveSearchTab();
  void ShowRankColumn(bool show);

  QWidget* search_row_ = nullptr;
  QLineEdit* txtSearch = nullptr;
  QPushButton* btnSearchNext = nullptr;
  QTreeView* msg = nullptr;
  TabStrip* TabSet = nullptr;

  ConversationModel* model_ = nullptr;
  QItemSelectionModel* selection_ = nullptr;
  SortState sort_;
  std::vector<std::pair<std::string, std::vector<std::string>>> search_list_;
  // Per search tab: the path of each file in the order it was searched, so
  // that a count finds its entry after any later sort.
  std::vector<std::vector<FileNameBytes>> searched_paths_;
};

}  // namespace orvex
