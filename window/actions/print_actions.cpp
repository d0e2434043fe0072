#include "window/actions/print_actions.h"

#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <chrono>
#include <functional>
#include <future>
#include <utility>

#include "qt_platform/save_dialogs.h"
#include "window/long_action.h"
#include "window/viewer/viewer_panel.h"
#include "window/window_environment.h"
#include "ylogs/base/file_error.h"

namespace orvex {
namespace {

// One print under way: started, then waited for beside the window until the
// browser view reports back. A browser view that never reports must not hang
// the window, so the wait ends after two minutes, as a failure.
class PrintWait {
 public:
  void Finished(bool ok) {
    if (reported_) return;
    reported_ = true;
    report_.set_value(ok);
  }
  // Runs `start`, which connects the report to Finished (with context() as
  // the connection's context) and starts the print; whether it printed.
  bool Run(const std::function<void(PrintWait&)>& start) {
    std::future<bool> printed = report_.get_future();
    start(*this);
    return WaitBesideTheWindow(printed, std::chrono::minutes(2)) && printed.get();
  }
  QObject* context() { return &context_; }

 private:
  std::promise<bool> report_;
  bool reported_ = false;
  QObject context_;  // the report's connections end with the wait, first
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

PrintActions::PrintActions(ViewerPanel& viewer, LongActionRunner& runner, ActionHost host)
    : viewer_(viewer), runner_(runner), host_(std::move(host)) {}

PrintActions::~PrintActions() = default;

QPrinter* PrintActions::printer() {
  // One printer for the run, so that the page setup holds for later prints.
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return printer_.get();
}

bool PrintActions::PrintPage(QPrinter* target) {
  viewer_.CompletePage();  // a long view prints whole
  return RunPrint(runner_, [this, target](PrintWait& wait) {
    QObject::connect(&viewer_, &ViewerPanel::printed, wait.context(),
                     [&wait](bool ok) { wait.Finished(ok); });
    viewer_.Print(target);
  });
}

bool PrintActions::PrintPageToPdf(const QString& file, const QPageLayout& layout,
                                  const QPageRanges& pages) {
  viewer_.CompletePage();
  return RunPrint(runner_, [&](PrintWait& wait) {
    QObject::connect(&viewer_, &ViewerPanel::pdfPrinted, wait.context(),
                     [&wait, file](const QString& written, bool ok) {
                       if (written == file) wait.Finished(ok);
                     });
    viewer_.PrintToPdf(file, layout, pages);
  });
}

void PrintActions::Print1Click() {
  QPrinter* target = printer();
  if (!host_.env->save_dialogs || !host_.env->save_dialogs->AskPrint(host_.window, target)) return;
  // A PDF file gets the browser's own PDF: text that can be found and copied,
  // in the dialog's paper, orientation, margins and pages. Other printers get
  // the page drawn for them.
  const bool pdf_file =
      target->outputFormat() == QPrinter::PdfFormat && !target->outputFileName().isEmpty();
  const bool printed = pdf_file ? PrintPageToPdf(target->outputFileName(), target->pageLayout(),
                                                 target->pageRanges())
                                : PrintPage(target);
  if (!printed) throw UserError(QT_TRANSLATE_NOOP("Core", "The page could not be printed"));
}

void PrintActions::Printpreview1Click() {
  QPrintPreviewDialog preview(printer(), host_.window);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [this](QPrinter* target) { PrintPage(target); });
  preview.exec();
}

void PrintActions::Printersetup1Click() {
  if (host_.env->save_dialogs) host_.env->save_dialogs->AskPageSetup(host_.window, printer());
}

}  // namespace orvex
