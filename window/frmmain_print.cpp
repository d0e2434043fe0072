// Printing the page the browser view holds: print, preview and page setup.
#include <QEventLoop>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QWebEngineView>

#include <functional>

#include "qt_platform/save_dialogs.h"
#include "window/frmmain.h"
#include "window/frmmain_run_state.h"
#include "window/frmmain_save_state.h"
#include "window/long_action.h"
#include "window/viewer/safe_web_page.h"
#include "window/viewer/viewer_panel.h"
#include "ylogs/archive/file_error.h"

namespace orvex {
namespace {

// One print under way: started, then waited for until the browser view
// reports back. A browser view that never reports must not hang the window,
// so the wait ends after two minutes, as a failure.
class PrintWait {
 public:
  void Finished(bool ok) {
    done_ = true;
    ok_ = ok;
    loop_.quit();
  }
  // Runs `start`, which connects the report to Finished (with the wait's loop
  // as the connection's context) and starts the print; whether it printed.
  bool Run(const std::function<void(PrintWait&)>& start) {
    QTimer::singleShot(120000, &loop_, &QEventLoop::quit);
    start(*this);
    if (!done_) loop_.exec();
    return done_ && ok_;
  }
  QObject* context() { return &loop_; }

 private:
  QEventLoop loop_;
  bool done_ = false, ok_ = false;
};

// Runs a print through the long-action runner and waits for it; whether it
// printed.
bool RunPrint(LongActionRunner& runner, const std::function<void(PrintWait&)>& start) {
  bool printed = false;
  // The window takes no other command until the browser view has printed:
  // a new view would change the page being printed.
  LongActionRunner::Options options;
  options.disable_commands = true;
  runner.Execute(options, [&](LongActionRunner::Run&) {
    PrintWait wait;
    printed = wait.Run(start);
  });
  return printed;
}

}  // namespace

QPrinter* TfrmMain::printer() {
  // One printer for the run, so that the page setup holds for later prints.
  if (!save_->printer) save_->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return save_->printer.get();
}

bool TfrmMain::PrintPage(QPrinter* target) {
  return RunPrint(*run_->runner, [this, target](PrintWait& wait) {
    connect(PanBottom->browser(), &QWebEngineView::printFinished, wait.context(),
            [&wait](bool ok) { wait.Finished(ok); });
    PanBottom->browser()->print(target);
  });
}

bool TfrmMain::PrintPageToPdf(const QString& file, const QPageLayout& layout,
                              const QPageRanges& pages) {
  return RunPrint(*run_->runner, [&](PrintWait& wait) {
    connect(PanBottom->page(), &QWebEnginePage::pdfPrintingFinished, wait.context(),
            [&wait, file](const QString& written, bool ok) {
              if (written == file) wait.Finished(ok);
            });
    PanBottom->page()->printToPdf(file, layout, pages);
  });
}

void TfrmMain::Print1Click() {
  QPrinter* target = printer();
  if (!env_.save_dialogs || !env_.save_dialogs->AskPrint(this, target)) return;
  // A PDF file gets the browser's own PDF: text that can be found and copied,
  // in the dialog's paper, orientation, margins and pages. Other printers get
  // the page drawn for them.
  const bool pdf_file =
      target->outputFormat() == QPrinter::PdfFormat && !target->outputFileName().isEmpty();
  const bool printed = pdf_file ? PrintPageToPdf(target->outputFileName(), target->pageLayout(),
                                                 target->pageRanges())
                                : PrintPage(target);
  if (!printed) throw UserError("The page could not be printed");
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
