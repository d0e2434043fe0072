// The conversation list area: the search row above, the list of one archive
// file per row with its header, and the strip of search tabs under it. It
// owns the list's model, the selection by entry, the sort and the searches
// its tabs show.
#pragma once

#include <QFrame>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/text_kinds.h"
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

class ListPanel : public QFrame {
  Q_OBJECT

 public:
  // The search row is made beside the list, for the window to place.
  explicit ListPanel(QWidget* parent);

  QWidget* search_row() const { return search_row_; }
  ConversationModel* model() const { return model_; }
  // The selection by entry, also of entries a search tab leaves out.
  QItemSelectionModel* selection() const { return selection_; }
  // The selected entries' rows, in entry order.
  std::vector<int> SelectedRowsInOrder() const;
  // Per search tab: the words searched and the hit count of each file, as
  // decimal texts.
  const std::vector<std::pair<std::string, std::vector<std::string>>>& search_list() const {
    return search_list_;
  }
  // The active search tab's words; none on the "Conversations" tab.
  std::optional<std::string> highlight() const;
  QString search_text() const;
  // What an export writes of the list, in list order: the selected rows,
  // every row, or the rows the active tab lists.
  enum class Rows { kSelected, kAll, kListed };
  std::vector<ExportSource> ExportSources(Rows rows) const;

  // Fills the list, sorted again by the chosen column.
  void FillList(std::vector<ConversationEntry> entries);
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
  void CloseAllSearchTabs();
  // Shows the strip and the rank column, keeps a search's counts with the
  // paths of the files they were counted for, and activates its new tab.
  void AddSearchTab(const QString& shown_text, const std::string& text,
                    std::vector<std::string> hit_counts, std::vector<FileNameBytes> searched_paths);
  void SelectAll();
  // An action (with its shortcut) that works while the list has the focus.
  void AddListAction(QAction* action);

 signals:
  void selectionChanged();
  void headerClicked(int column);
  void tabChanged(int tab);
  void tabCloseClicked();
  // "Search" or Return in the search box.
  void searchRequested();
  // The list's menu is asked for at this point of the screen.
  void menuRequested(const QPoint& global);

 private:
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
