// Saving the view as one file, one file per conversation, and the clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QTreeView>

#include "common/browse_for_folder.h"
#include "qt_platform/dialogs.h"
#include "qt_platform/qt_text.h"
#include "qt_platform/save_dialogs.h"
#include "saveDir/frmsavedir.h"
#include "window/frmmain.h"
#include "window/frmmain_discovery_state.h"
#include "window/frmmain_run_state.h"
#include "window/frmmain_save_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "window/tree/contact_tree_panel.h"
#include "window/viewer/viewer_panel.h"
#include "ylogs/archive/file_error.h"
#include "ylogs/export/export.h"
#include "ylogs/export/export_writer.h"
#include "ylogs/program/error_text.h"

namespace orvex {
namespace {

void SaveBuffer(TfrmMain* w, const ArchiveFileGuard& guard, SaveDialogs* dialogs,
                const QString& filter, QString& last_name, const char* tested, const char* suffix,
                const TextItems& items) {
  if (!dialogs) return;
  for (;;) {
    std::optional<QString> chosen = dialogs->SaveFileName(w, filter, last_name);
    if (!chosen) return;
    last_name = *chosen;
    const std::string name = SaveAsFileName(ToFileName(*chosen), tested, suffix);
    // A refused name is said and offered again, so the user can choose another.
    bool refused = true;
    w->Guard([&] {
      guard.CheckTarget(name);
      refused = false;
    });
    if (refused) continue;
    WriteItemsToFile(name, items);
    return;
  }
}

}  // namespace

void TfrmMain::Save1Click() {
  SaveBuffer(this, ArchiveGuard(), env_.save_dialogs, "HTML file (*.html);;All files (*)",
             save_->last_html_name, ".HTML", ".html", PanBottom->html_buffer());
}

void TfrmMain::Saveastext2Click() {
  SaveBuffer(this, ArchiveGuard(), env_.save_dialogs, "Text file (*.txt);;All files (*)",
             save_->last_text_name, ".TXT", ".txt", PanBottom->text_buffer());
}

void TfrmMain::ExportIndividualFiles(int scope, const QString& folder, bool html) {
  // An empty folder would put the files at the root of the file system.
  if (folder.trimmed().isEmpty()) throw UserError("Please choose an output directory first.");
  if (run_->runner->busy()) return;  // one long action at a time
  if (scope == TfrmSaveDir::kAllTheArchive) spdSelectAllClick();
  const std::vector<ExportSource> sources = conversations->ExportSources(
      scope == TfrmSaveDir::kSelectedConversations ? ListPanel::Rows::kSelected
                                                   : ListPanel::Rows::kAll);
  const ArchiveFileGuard guard = ArchiveGuard();
  RenderState state;  // the statistics keep counting the view
  const ExportContext context{ToFileName(folder),
                              &PanBottom->theme(),
                              CurrentRenderSettings(),
                              &state,
                              PanBottom->text_buffer_for_export(),
                              TodayText(),
                              &guard};
  WriteExport(sources, html ? ExportFormat::kPage : ExportFormat::kTranscript, context);
}

std::function<std::string()> TfrmMain::TodayText() const {
  return [this] { return env_.formatter ? env_.formatter->DateTime(env_.now()) : std::string(); };
}

ArchiveFileGuard TfrmMain::ArchiveGuard() const {
  ArchiveFileGuard guard;
  guard.AddProfilesFolder(contacts->scanned_profiles());
  for (const FavoriteEntry& favorite : contacts->favorites().entries()) {
    guard.AddFile(favorite.path);
  }
  for (const std::string& file : discovery_->loose_files) guard.AddFile(file);
  for (int row = 0; row < conversations->model()->rowCount(); ++row) {
    guard.AddFile(conversations->model()->EntryAt(row).path);
  }
  return guard;
}

bool TfrmMain::WriteExport(const std::vector<ExportSource>& sources, ExportFormat format,
                           const ExportContext& context) {
  bool finished = false;
  // Progress with a way to stop between files; the files written stay.
  QProgressDialog progress("Saving conversations...", "Cancel", 0, static_cast<int>(sources.size()),
                           this);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);
  DialogDisplay display(&progress);
  run_->runner->Execute(
      {&display, static_cast<int>(sources.size()), true}, [&](LongActionRunner::Run& run) {
        finished = ExportConversations(
            sources, *MakeConversationWriter(format, context), [&](std::size_t written) {
              run.SetPosition(static_cast<int>(written));  // yields while shown
              run.SetText(FilesDoneText(written, sources.size(), "saved"));
              return run.TakeCancel();
            });
      });
  return finished;
}

void TfrmMain::AskBatchExport(bool html) {
  auto browse = OutputFolderBrowser(env_.folder_picker, this);
  auto run = [this, html](TfrmSaveDir::Scope scope, const QString& folder) {
    return Guard([&] { ExportIndividualFiles(scope, folder, html); });
  };
  TfrmSaveDir dialog(html, browse, run, this);
  ShowModal(dialog);
}

void TfrmMain::Saveasindividualfiles1Click() {
  AskBatchExport(true);
}

void TfrmMain::SaveasindividualHTMLfiles1Click() {
  AskBatchExport(false);
}

void TfrmMain::Copytoclipboard1Click() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) throw UserError("Cannot open clipboard");
  clipboard->setText(FromAnsi(JoinItems(PanBottom->text_buffer())));
}

void TfrmMain::Copyhtmlcodetoclipboard1Click() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) throw UserError("Cannot open clipboard");
  clipboard->setText(FromAnsi(JoinItems(PanBottom->html_buffer())));
}

}  // namespace orvex
