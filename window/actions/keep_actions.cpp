#include "window/actions/keep_actions.h"

#include <QDir>
#include <QUrl>

#include "dialogs/browse_for_folder.h"
#include "dialogs/frmsavedir.h"
#include "qt_platform/dialogs.h"
#include "qt_platform/qt_text.h"
#include "qt_platform/shell.h"
#include "window/actions/export_actions.h"
#include "window/actions/render_choices.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/viewer/view_session.h"
#include "window/window_environment.h"
#include "ylogs/base/file_error.h"
#include "ylogs/export/export_writer.h"

namespace orvex {

void KeepActions::AskKeepingExport(bool site) {
  auto browse = OutputFolderBrowser(host_.env->folder_picker, host_.window);
  auto run = [this, site](TfrmSaveDir::Scope scope, const QString& folder) {
    return host_.guard([&] { ExportForKeeping(scope, folder, site); });
  };
  const SaveDirCaptions captions{
      site ? tr("Save conversations as a website") : tr("Save conversations as JSON files"),
      {tr("All conversations listed"), tr("Only selected"), tr("Selected contacts")}};
  TfrmSaveDir dialog(captions, browse, run, host_.window);
  host_.ShowModal(dialog);
}

void KeepActions::Saveaswebsite1Click() {
  AskKeepingExport(true);
}

void KeepActions::SaveasJSONfiles1Click() {
  AskKeepingExport(false);
}

void KeepActions::ExportForKeeping(int scope, const QString& folder, bool site) {
  if (folder.trimmed().isEmpty())
    throw UserError(QT_TRANSLATE_NOOP("Core", "Please choose an output directory first."));
  // The list as shown leaves out what a search tab hides; the selected
  // contacts are all of their conversations.
  const std::vector<ExportSource> sources =
      list_.ExportSources(scope == kOnlySelected       ? ListPanel::Rows::kSelected
                          : scope == kSelectedContacts ? ListPanel::Rows::kAll
                                                       : ListPanel::Rows::kListed);
  RenderState state;  // the view's statistics and buffers stay as they are
  TextItems text_buffer;
  const ArchiveFileGuard guard = exports_.ArchiveGuard();
  const ExportContext context{ToFileName(folder),
                              &session_.theme(),
                              choices_.Settings(list_.highlight()),
                              &state,
                              &text_buffer,
                              choices_.TodayText(),
                              &guard,
                              session_.chosen_theme() == "default",
                              host_.env->ui_language};
  const bool finished =
      exports_.WriteExport(sources, site ? ExportFormat::kSite : ExportFormat::kJson, context);
  if (finished && site) OfferToOpenWebsite(folder);
}

void KeepActions::OfferToOpenWebsite(const QString& folder) {
  if (!host_.env->dialogs) return;
  const QString index = QDir(folder).filePath(QStringLiteral("index.html"));
  const QString text =
      tr("The website has been saved in\n%1\n\nOpen it now?").arg(QDir::toNativeSeparators(folder));
  if (host_.env->dialogs->AskYesNo(host_.window, tr("Save as website"), text) && host_.env->shell) {
    host_.env->shell->Open(QUrl::fromLocalFile(index));
  }
}

}  // namespace orvex
