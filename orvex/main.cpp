// The window program.
#include <QApplication>
#include <QScreen>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "orvex_version.h"
#include "qt_platform/translations.h"
#include "window/frmmain.h"
#include "ylogs/program/command_line.h"
#include "ylogs/program/error_text.h"

namespace {

std::vector<std::string> Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

}  // namespace

int main(int argc, char** argv) {
  using Action = orvex::WindowCommandLine::Action;
  // --help and --version are answered before Qt starts, so they work without
  // a display.
  const orvex::WindowCommandLine early = orvex::ParseWindowCommandLine(Arguments(argc, argv));
  if (early.action == Action::kHelp) {
    std::cout << orvex::WindowHelpText();
    return 0;
  }
  if (early.action == Action::kVersion) {
    std::cout << "orvex " << orvex::kVersion << '\n';
    return 0;
  }

  QApplication app(argc, argv);  // takes Qt's own options out of argv
  const orvex::WindowCommandLine line = orvex::ParseWindowCommandLine(Arguments(argc, argv));
  if (line.action == Action::kUsageError) {
    std::cerr << "orvex: " << line.error << '\n' << orvex::kWindowUsageLine << '\n';
    return 2;
  }
  orvex::NameApplication();
  orvex::FrmMainEnvironment env = orvex::FrmMainEnvironment::FromSystem();
  orvex::InstallTranslations(app, QCoreApplication::applicationDirPath(),
                             QString::fromStdString(env.ui_language));
  if (line.profiles_folder) {
    std::error_code ec;
    const std::filesystem::path current = std::filesystem::current_path(ec);
    env.profiles_folder =
        orvex::ProfilesFolderFromArgument(*line.profiles_folder, ec ? "/" : current.string());
  }
  orvex::TfrmMain frmMain(std::move(env));
  frmMain.FormCreate();
  // A screen smaller than the window gets the window fitted to it for when
  // the user restores it from maximised.
  if (const QScreen* screen = frmMain.screen()) {
    frmMain.setGeometry(orvex::FittedWindowGeometry(frmMain.size(), screen->availableGeometry()));
  }
  frmMain.showMaximized();
  return app.exec();
}
