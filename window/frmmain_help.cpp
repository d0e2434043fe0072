// The guide shipped with the program, and the About box.
#include <QFileInfo>
#include <QUrl>

#include "about/frmabout.h"
#include "qt_platform/dialogs.h"
#include "qt_platform/qt_text.h"
#include "qt_platform/shell.h"
#include "window/frmmain.h"

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
      env.dialogs->Message(parent, QStringLiteral("The guide was not found. It belongs in\n%1\n\n"
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

void TfrmMain::Onlinehelp1Click() {
  OpenGuide(env_, this);
}

// The program's home is the guide that comes with it.
void TfrmMain::Orvexhomepage1Click() {
  OpenGuide(env_, this);
}

// Where others would ask in a forum: the guide's common questions.
void TfrmMain::btnForumClick() {
  OpenGuide(env_, this, kQuestionsSection);
}

void TfrmMain::Suggestionsandbugsreports1Click() {
  OpenGuide(env_, this, kReportSection);
}

void TfrmMain::About1Click() {
  TfrmAbout box(env_.shell, this);  // a new box each time, gone when it closes
  ShowModal(box);
}

}  // namespace orvex
