// The window program.
#include <QApplication>

#include "ylogs/shell/frmmain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  orvex::NameApplication();
  orvex::TfrmMain frmMain(orvex::FrmMainEnvironment::FromSystem());
  frmMain.FormCreate();
  frmMain.showMaximized();
  return app.exec();
}
