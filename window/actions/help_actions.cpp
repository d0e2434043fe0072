#include "window/actions/help_actions.h"

#include <QFileInfo>
#include <QUrl>

#include "dialogs/frmabout.h"
#include "qt_platform/dialogs.h"
#include "qt_platform/qt_text.h"
#include "qt_platform/shell.h"
#include "window/window_environment.h"

namespace orvex {
namespace {

// The guide lies in the program folder, as the themes do.
constexpr const char* kGuideFile = "help/guide.html";
// Its sections the Help menu leads to straight away.
constexpr const char* kQuestionsSection = "questions";
constexpr const char* kReportSection = "report";

// Opens the guide in the user's web browser, at a section when one is named;
// says so when the guide is not where it belongs.
void OpenGuide(const FrmMainEnvironment& env, QWidget* parent, const char* section = nullptr) {
  const QString guide = FromFileName(env.program_folder + kGuideFile);
  if (!QFileInfo(guide).isFile()) {
    if (env.dialogs) {
      env.dialogs->Message(parent, HelpActions::tr("The guide was not found. It belongs in\n%1\n\n"
                                                   "Installing the program again puts it back.")
                                       .arg(guide));
    }
    return;
  }
  QUrl url = QUrl::fromLocalFile(guide);
  if (section) url.setFragment(QString::fromLatin1(section));
  if (env.shell) env.shell->Open(url);
}

}  // namespace

void HelpActions::Onlinehelp1Click() {
  OpenGuide(*host_.env, host_.window);
}

// The program's home is the guide that comes with it.
void HelpActions::Orvexhomepage1Click() {
  OpenGuide(*host_.env, host_.window);
}

// Where others would ask in a forum: the guide's common questions.
void HelpActions::btnForumClick() {
  OpenGuide(*host_.env, host_.window, kQuestionsSection);
}

void HelpActions::Suggestionsandbugsreports1Click() {
  OpenGuide(*host_.env, host_.window, kReportSection);
}

void HelpActions::About1Click() {
  // A new box each time, gone when it closes; its link opens the guide, as Help does.
  TfrmAbout box(host_.env->shell, host_.window, [this] { OpenGuide(*host_.env, host_.window); });
  host_.ShowModal(box);
}

}  // namespace orvex
