#include "window/actions/render_choices.h"

#include "qt_platform/dialogs.h"
#include "qt_platform/qt_text.h"
#include "window/discovery_state.h"
#include "window/viewer/view_session.h"
#include "window/window_environment.h"
#include "ylogs/render/smileys.h"

namespace orvex {

RenderSettings RenderChoices::Settings(std::optional<std::string> highlight) const {
  const FrmMainEnvironment& env = *host_.env;
  RenderSettings s;
  s.theme = &session_.theme();
  s.options = session_.options();
  s.highlight = std::move(highlight);
  s.smileys = &DefaultSmileyTable();
  s.program_folder = env.program_folder;
  if (discovery_.loose_mode) {
    s.loose = LooseNames{discovery_.loose_user_name, discovery_.loose_friend_name};
  }
  s.formatter = env.formatter;
  Dialogs* dialogs = env.dialogs;
  QWidget* parent = host_.window;
  s.messages = [dialogs, parent](const std::string& text) {
    if (dialogs) dialogs->Message(parent, FromFileNameOrAnsi(text));
  };
  return s;
}

std::function<std::string()> RenderChoices::TodayText() const {
  const FrmMainEnvironment* e = host_.env;
  return [e] { return e->formatter ? e->formatter->DateTime(e->now()) : std::string(); };
}

}  // namespace orvex
