// The search: every listed conversation ranked by the hits of a text, shown
// on a tab of its own.
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTreeView>

#include <exception>

#include "platform/qt/qt_text.h"
#include "widgets/tab_strip.h"
#include "ylogs/shell/frmmain.h"
#include "ylogs/views/conversation_model.h"
#include "ylogs/views/search.h"

namespace orvex {

void TfrmMain::btnSearchNextClick() {
  if (txtSearch->text().isEmpty()) return;
  const std::string text = ToAnsi(txtSearch->text());
  std::vector<std::string> hit_counts;  // joins the search list when the tab is added

  const int total = msg_model_->rowCount();
  std::vector<std::string> paths;
  paths.reserve(static_cast<std::size_t>(total));
  for (const ConversationEntry& e : msg_model_->entries()) paths.push_back(e.path);
  ShowWaitPanel(total, total > 30);
  cancel_request_ = false;  // a click that no walk saw must not stop this one
  // While the wait panel is up it is the only control that takes input.
  if (total > 30) centralWidget()->setEnabled(false);

  std::exception_ptr error;
  std::vector<std::int32_t> counts;
  const RenderSettings settings = CurrentRenderSettings();
  auto after_each = [&](std::size_t searched) {
    const std::int32_t c = counts.back();
    hit_counts.push_back(std::to_string(c));
    auto& entries = msg_model_->mutable_entries();
    if (searched - 1 < entries.size()) entries[searched - 1].rank = c;
    WaitProgress->setValue(static_cast<int>(searched));
    lblProgress->setText(QStringLiteral("%1 files searched out of %2").arg(searched).arg(total));
    if (cancel_request_) {
      cancel_request_ = false;
      return true;
    }
    QCoreApplication::processEvents();
    return false;
  };
  try {
    SearchFiles(paths, text, settings, render_state_, counts, after_each);
  } catch (...) {
    error = std::current_exception();
  }

  // Finishing runs whatever happened above.
  centralWidget()->setEnabled(true);
  HideWaitPanel();
  TabSet->setVisible(true);
  ShowRankColumn(true);
  search_list_.emplace_back(text, std::move(hit_counts));
  const int tab = TabSet->AddTab("Search: " + txtSearch->text(), true);
  {
    const QSignalBlocker block(TabSet);
    TabSet->setCurrentIndex(tab);
  }
  TabSetChange(tab);
  if (error) std::rethrow_exception(error);
}

}  // namespace orvex
