// "Save as website..." and "Save as JSON files...": the whole of a list of
// conversations kept in UTF-8, with the batch export's dialog, progress and
// a way to stop between files.

#include <QDir>
#include <QUrl>

#include "common/browse_for_folder.h"
#include "qt_platform/dialogs.h"
#include "qt_platform/qt_text.h"
#include "qt_platform/shell.h"
#include "saveDir/frmsavedir.h"
#include "window/frmmain.h"
#include "window/frmmain_run_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/long_action.h"
#include "window/viewer/viewer_panel.h"
#include "ylogs/archive/file_error.h"
#include "ylogs/export/export_writer.h"

namespace orvex {
void TfrmMain::AskKeepingExport(bool site) {
  auto browse = OutputFolderBrowser(env_.folder_picker, this);
  auto run = [this, site](TfrmSaveDir::Scope scope, const QString& folder) {
    return Guard([&] { ExportForKeeping(scope, folder, site); });
  };
  const SaveDirCaptions captions{
      site ? "Save conversations as a website" : "Save conversations as JSON files",
      {"All conversations listed", "Only selected", "Selected contacts"}};
  TfrmSaveDir dialog(captions, browse, run, this);
  ShowModal(dialog);
}

void TfrmMain::Saveaswebsite1Click() {
  AskKeepingExport(true);
}

void TfrmMain::SaveasJSONfiles1Click() {
  AskKeepingExport(false);
}

void TfrmMain::ExportForKeeping(int scope, const QString& folder, bool site) {
  if (folder.trimmed().isEmpty()) throw UserError("Please choose an output directory first.");
  if (run_->runner->busy()) return;  // one long action at a time
  // The list as shown leaves out what a search tab hides; the selected
  // contacts are all of their conversations.
  const std::vector<ExportSource> sources =
      conversations->ExportSources(scope == kOnlySelected       ? ListPanel::Rows::kSelected
                                   : scope == kSelectedContacts ? ListPanel::Rows::kAll
                                                                : ListPanel::Rows::kListed);
  RenderState state;  // the view's statistics and buffers stay as they are
  TextItems text_buffer;
  const ArchiveFileGuard guard = ArchiveGuard();
  const ExportContext context{ToFileName(folder),
                              &PanBottom->theme(),
                              CurrentRenderSettings(),
                              &state,
                              &text_buffer,
                              TodayText(),
                              &guard};
  const bool finished =
      WriteExport(sources, site ? ExportFormat::kSite : ExportFormat::kJson, context);
  if (finished && site) OfferToOpenWebsite(folder);
}

void TfrmMain::OfferToOpenWebsite(const QString& folder) {
  if (!env_.dialogs) return;
  const QString index = QDir(folder).filePath(QStringLiteral("index.html"));
  const QString text = QStringLiteral("The website has been saved in\n%1\n\nOpen it now?")
                           .arg(QDir::toNativeSeparators(folder));
  if (env_.dialogs->AskYesNo(this, QStringLiteral("Save as website"), text) && env_.shell) {
    env_.shell->Open(QUrl::fromLocalFile(index));
  }
}

}  // namespace orvex
