// Printing the page the browser view holds: print, preview and page setup.
#include <QEventLoop>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QWebEngineView>

#include "platform/qt/save_dialogs.h"
#include "ylogs/archive/file_error.h"
#include "ylogs/shell/frmmain.h"
#include "ylogs/shell/frmmain_run_state.h"
#include "ylogs/shell/frmmain_save_state.h"
#include "ylogs/shell/long_action.h"

namespace orvex {

QPrinter* TfrmMain::printer() {
  // One printer for the run, so that the page setup holds for later prints.
  if (!save_->printer) save_->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return save_->printer.get();
}

bool TfrmMain::PrintPage(QPrinter* target) {
  bool done = false, success = false;
  // The window takes no other command until the browser view has printed:
  // a new view would change the page being printed.
  LongActionRunner::Options options;
  options.disable_commands = true;
  run_->runner->Execute(options, [&](LongActionRunner::Run&) {
    QEventLoop loop;
    auto connection = connect(WebBrowser, &QWebEngineView::printFinished, &loop, [&](bool ok) {
      done = true;
      success = ok;
      loop.quit();
    });
    // A browser view that never reports back must not hang the window.
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    WebBrowser->print(target);
    if (!done) loop.exec();
    disconnect(connection);
  });
  return done && success;
}

void TfrmMain::Print1Click() {
  if (!env_.save_dialogs || !env_.save_dialogs->AskPrint(this, printer())) return;
  if (!PrintPage(printer())) throw UserError("The page could not be printed");
}

void TfrmMain::Printpreview1Click() {
  QPrintPreviewDialog preview(printer(), this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { PrintPage(target); });
  preview.exec();
}

void TfrmMain::Printersetup1Click() {
  if (env_.save_dialogs) env_.save_dialogs->AskPageSetup(this, printer());
}

}  // namespace orvex
