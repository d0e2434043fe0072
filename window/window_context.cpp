#include "window/window_context.h"

#include <QDialog>

#include "qt_platform/dialogs.h"
#include "qt_platform/qt_text.h"
#include "window/discovery_state.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"
#include "window/tree/contact_tree_panel.h"
#include "window/viewer/viewer_panel.h"
#include "window/window_environment.h"
#include "ylogs/render/smileys.h"

namespace orvex {

int WindowContext::ShowModal(QDialog& dialog) const {
  return env->show_modal ? env->show_modal(dialog) : dialog.exec();
}

RenderSettings WindowContext::CurrentRenderSettings() const {
  RenderSettings s;
  s.theme = &viewer->theme();
  s.options = viewer->options();
  s.highlight = conversations->highlight();
  s.smileys = &DefaultSmileyTable();
  s.program_folder = env->program_folder;
  if (discovery->loose_mode) {
    s.loose = LooseNames{discovery->loose_user_name, discovery->loose_friend_name};
  }
  s.formatter = env->formatter;
  Dialogs* dialogs = env->dialogs;
  QWidget* parent = window;
  s.messages = [dialogs, parent](const std::string& text) {
    if (dialogs) dialogs->Message(parent, FromFileNameOrAnsi(text));
  };
  return s;
}

std::function<std::string()> WindowContext::TodayText() const {
  const FrmMainEnvironment* e = env;
  return [e] { return e->formatter ? e->formatter->DateTime(e->now()) : std::string(); };
}

ArchiveFileGuard WindowContext::ArchiveGuard() const {
  ArchiveFileGuard guard;
  guard.AddProfilesFolder(contacts->scanned_profiles());
  for (const FavoriteEntry& favorite : contacts->favorites().entries()) {
    guard.AddFile(favorite.path);
  }
  for (const std::string& file : discovery->loose_files) guard.AddFile(file);
  for (int row = 0; row < conversations->model()->rowCount(); ++row) {
    guard.AddFile(conversations->model()->EntryAt(row).path);
  }
  return guard;
}

}  // namespace orvex
