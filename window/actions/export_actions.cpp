#include "window/actions/export_actions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QTreeView>

#include "dialogs/browse_for_folder.h"
#include "dialogs/frmsavedir.h"
#include "qt_platform/dialogs.h"
#include "qt_platform/qt_text.h"
#include "qt_platform/save_dialogs.h"
#include "window/actions/render_choices.h"
#include "window/discovery_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "window/tree/contact_tree_panel.h"
#include "window/viewer/view_session.h"
#include "window/window_environment.h"
#include "ylogs/base/file_error.h"
#include "ylogs/base/finally.h"
#include "ylogs/export/export.h"
#include "ylogs/export/export_writer.h"
#include "ylogs/program/error_text.h"

namespace orvex {

ArchiveFileGuard ExportActions::ArchiveGuard() const {
  ArchiveFileGuard guard;
  for (const std::string& folder : contacts_.scanned_folders()) guard.AddProfilesFolder(folder);
  for (const FavoriteEntry& favorite : contacts_.favorites().entries()) {
    guard.AddFile(favorite.path);
  }
  for (const std::string& file : discovery_.loose_files) guard.AddFile(file);
  for (const ConversationEntry& e : list_.model().entries()) guard.AddFile(e.path);
  return guard;
}

void ExportActions::SaveBuffer(const QString& filter, QString& last_name, const char* tested,
                               const char* suffix, const TextItems& items) {
  SaveDialogs* dialogs = host_.env->save_dialogs;
  if (!dialogs) return;
  const ArchiveFileGuard guard = ArchiveGuard();
  for (;;) {
    std::optional<QString> chosen = dialogs->SaveFileName(host_.window, filter, last_name);
    if (!chosen) return;
    last_name = *chosen;
    const std::string name = SaveAsFileName(ToFileName(*chosen), tested, suffix);
    // A refused name is said and offered again, so the user can choose another.
    bool refused = true;
    host_.guard([&] {
      guard.CheckTarget(name);
      refused = false;
    });
    if (refused) continue;
    WriteItemsToFile(name, items);
    return;
  }
}

void ExportActions::Save1Click() {
  SaveBuffer(tr("HTML file (*.html);;All files (*)"), last_html_name_, ".HTML", ".html",
             session_.html_buffer());
}

void ExportActions::Saveastext2Click() {
  SaveBuffer(tr("Text file (*.txt);;All files (*)"), last_text_name_, ".TXT", ".txt",
             session_.text_buffer());
}

void ExportActions::ExportIndividualFiles(int scope, const QString& folder, bool html) {
  // An empty folder would put the files at the root of the file system.
  if (folder.trimmed().isEmpty())
    throw UserError(QT_TRANSLATE_NOOP("Core", "Please choose an output directory first."));
  MakeOutputFolder(ToFileName(folder));  // a folder typed that is not there yet is made
  if (scope == TfrmSaveDir::kAllTheArchive) contacts_.SelectAllShowing();
  const std::vector<ExportSource> sources =
      list_.ExportSources(scope == TfrmSaveDir::kSelectedConversations ? ListPanel::Rows::kSelected
                                                                       : ListPanel::Rows::kAll);
  const ArchiveFileGuard guard = ArchiveGuard();
  RenderState state;  // the statistics keep counting the view
  // The export's transcript takes the view's text buffer's place, also when
  // it stops half way.
  TextItems transcript = session_.text_buffer();
  const Finally kept([&] { session_.KeepExportTranscript(std::move(transcript)); });
  const ExportContext context{ToFileName(folder),
                              &session_.theme(),
                              choices_.Settings(list_.highlight()),
                              &state,
                              &transcript,
                              choices_.TodayText(),
                              &guard};
  WriteExport(sources, html ? ExportFormat::kPage : ExportFormat::kTranscript, context);
}

bool ExportActions::WriteExport(const std::vector<ExportSource>& sources, ExportFormat format,
                                const ExportContext& context) {
  bool finished = false;
  // Progress with a way to stop between files; the files written stay.
  QProgressDialog progress(tr("Saving conversations..."), tr("Cancel"), 0,
                           static_cast<int>(sources.size()), host_.window);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);
  DialogDisplay display(&progress);
  runner_.Execute(
      {&display, static_cast<int>(sources.size()), true}, [&](LongActionRunner::Run& run) {
        finished = ExportConversations(
            sources, *MakeConversationWriter(format, context), [&](std::size_t written) {
              return run.FileDone(static_cast<int>(written),
                                  FilesDoneText(written, sources.size(), FilesDone::kSaved));
            });
      });
  return finished;
}

void ExportActions::AskBatchExport(bool html) {
  auto browse = OutputFolderBrowser(host_.env->folder_picker, host_.window);
  auto run = [this, html](TfrmSaveDir::Scope scope, const QString& folder) {
    return host_.guard([&] { ExportIndividualFiles(scope, folder, html); });
  };
  TfrmSaveDir dialog(html, browse, run, host_.window);
  host_.ShowModal(dialog);
}

void ExportActions::Saveasindividualfiles1Click() {
  AskBatchExport(true);
}

void ExportActions::SaveasindividualHTMLfiles1Click() {
  AskBatchExport(false);
}

void ExportActions::Copytoclipboard1Click() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) throw UserError(QT_TRANSLATE_NOOP("Core", "Cannot open clipboard"));
  clipboard->setText(FromAnsi(JoinItems(session_.text_buffer())));
}

void ExportActions::Copyhtmlcodetoclipboard1Click() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) throw UserError(QT_TRANSLATE_NOOP("Core", "Cannot open clipboard"));
  clipboard->setText(FromAnsi(JoinItems(session_.html_buffer())));
}

}  // namespace orvex
