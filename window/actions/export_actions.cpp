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
#include "window/actions/discovery_actions.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "window/run_state.h"
#include "window/tree/contact_tree_panel.h"
#include "window/viewer/viewer_panel.h"
#include "window/window_context.h"
#include "window/window_environment.h"
#include "ylogs/base/file_error.h"
#include "ylogs/export/export.h"
#include "ylogs/export/export_writer.h"
#include "ylogs/program/error_text.h"

namespace orvex {
namespace {

void SaveBuffer(const WindowContext& ctx, SaveDialogs* dialogs, const QString& filter,
                QString& last_name, const char* tested, const char* suffix,
                const TextItems& items) {
  if (!dialogs) return;
  const ArchiveFileGuard guard = ctx.ArchiveGuard();
  for (;;) {
    std::optional<QString> chosen = dialogs->SaveFileName(ctx.window, filter, last_name);
    if (!chosen) return;
    last_name = *chosen;
    const std::string name = SaveAsFileName(ToFileName(*chosen), tested, suffix);
    // A refused name is said and offered again, so the user can choose another.
    bool refused = true;
    ctx.guard([&] {
      guard.CheckTarget(name);
      refused = false;
    });
    if (refused) continue;
    WriteItemsToFile(name, items);
    return;
  }
}

}  // namespace

void ExportActions::Save1Click() {
  SaveBuffer(ctx_, ctx_.env->save_dialogs, "HTML file (*.html);;All files (*)", last_html_name_,
             ".HTML", ".html", ctx_.viewer->html_buffer());
}

void ExportActions::Saveastext2Click() {
  SaveBuffer(ctx_, ctx_.env->save_dialogs, "Text file (*.txt);;All files (*)", last_text_name_,
             ".TXT", ".txt", ctx_.viewer->text_buffer());
}

void ExportActions::ExportIndividualFiles(int scope, const QString& folder, bool html) {
  // An empty folder would put the files at the root of the file system.
  if (folder.trimmed().isEmpty()) throw UserError("Please choose an output directory first.");
  if (scope == TfrmSaveDir::kAllTheArchive) discovery_.spdSelectAllClick();
  const std::vector<ExportSource> sources = ctx_.conversations->ExportSources(
      scope == TfrmSaveDir::kSelectedConversations ? ListPanel::Rows::kSelected
                                                   : ListPanel::Rows::kAll);
  const ArchiveFileGuard guard = ctx_.ArchiveGuard();
  RenderState state;  // the statistics keep counting the view
  const ExportContext context{ToFileName(folder),
                              &ctx_.viewer->theme(),
                              ctx_.CurrentRenderSettings(),
                              &state,
                              ctx_.viewer->text_buffer_for_export(),
                              ctx_.TodayText(),
                              &guard};
  WriteExport(sources, html ? ExportFormat::kPage : ExportFormat::kTranscript, context);
}

bool ExportActions::WriteExport(const std::vector<ExportSource>& sources, ExportFormat format,
                                const ExportContext& context) {
  bool finished = false;
  // Progress with a way to stop between files; the files written stay.
  QProgressDialog progress("Saving conversations...", "Cancel", 0, static_cast<int>(sources.size()),
                           ctx_.window);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);
  DialogDisplay display(&progress);
  ctx_.run->runner->Execute(
      {&display, static_cast<int>(sources.size()), true}, [&](LongActionRunner::Run& run) {
        finished = ExportConversations(
            sources, *MakeConversationWriter(format, context), [&](std::size_t written) {
              return run.FileDone(static_cast<int>(written),
                                  FilesDoneText(written, sources.size(), "saved"));
            });
      });
  return finished;
}

void ExportActions::AskBatchExport(bool html) {
  auto browse = OutputFolderBrowser(ctx_.env->folder_picker, ctx_.window);
  auto run = [this, html](TfrmSaveDir::Scope scope, const QString& folder) {
    return ctx_.guard([&] { ExportIndividualFiles(scope, folder, html); });
  };
  TfrmSaveDir dialog(html, browse, run, ctx_.window);
  ctx_.ShowModal(dialog);
}

void ExportActions::Saveasindividualfiles1Click() {
  AskBatchExport(true);
}

void ExportActions::SaveasindividualHTMLfiles1Click() {
  AskBatchExport(false);
}

void ExportActions::Copytoclipboard1Click() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) throw UserError("Cannot open clipboard");
  clipboard->setText(FromAnsi(JoinItems(ctx_.viewer->text_buffer())));
}

void ExportActions::Copyhtmlcodetoclipboard1Click() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) throw UserError("Cannot open clipboard");
  clipboard->setText(FromAnsi(JoinItems(ctx_.viewer->html_buffer())));
}

}  // namespace orvex
