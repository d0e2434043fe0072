// The window program.
#include <QApplication>

#include "ylogs/shell/error_text.h"
#include "ylogs/shell/frmmain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(orvex::kApplicationTitle));
  QApplication::setApplicationDisplayName(QString::fromLatin1(orvex::kApplicationTitle));
  orvex::TfrmMain frmMain(orvex::FrmMainEnvironment::FromSystem());
  frmMain.FormCreate();
  frmMain.showMaximized();
  return app.exec();
}
