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
#include "window/viewer/live_page.h"
#include "window/viewer/viewer_panel.h"
#include "window/window_environment.h"
#include "ylogs/base/file_error.h"

namespace orvex {
namespace {

// One print under way: started, then waited for beside the window until the
// browser view reports back. A browser view that never reports must not hang
// the window: the wait ends, as a failure, after two minutes without a word
// from it (a print in parts tells each part).
class PrintWait {
 public:
  void Finished(bool ok) {
    if (reported_) return;
    reported_ = true;
    report_.set_value(ok);
  }
  void Progressed() { progressed_ = true; }
  // Runs `start`, which connects the reports to Finished and Progressed
  // (with context() as the connections' context) and starts the print;
  // `stop` stops it when "Cancel" is pressed or the wait gives up.
  PrintActions::Printed Run(LongActionRunner::Run& run,
                            const std::function<void(PrintWait&)>& start,
                            const std::function<void()>& stop) {
    using Clock = std::chrono::steady_clock;
    std::future<bool> printed = report_.get_future();
    start(*this);
    Clock::time_point heard = Clock::now();
    while (!WaitBesideTheWindow(printed, std::chrono::milliseconds(100))) {
      if (run.TakeCancel()) {
        stop();
        return PrintActions::Printed::kCancelled;
      }
      if (progressed_) {
        progressed_ = false;
        heard = Clock::now();
      } else if (Clock::now() - heard >= std::chrono::minutes(2)) {
        stop();
        return PrintActions::Printed::kNo;
      }
    }
    return printed.get() ? PrintActions::Printed::kYes : PrintActions::Printed::kNo;
  }
  QObject* context() { return &context_; }

 private:
  std::promise<bool> report_;
  bool reported_ = false;
  bool progressed_ = false;
  QObject context_;  // the reports' connections end with the wait, first
};

// Runs a print through the long-action runner and waits for it.
PrintActions::Printed RunPrint(LongActionRunner& runner, LongActionRunner::Options options,
                               const std::function<void(PrintWait&, LongActionRunner::Run&)>& start,
                               const std::function<void()>& stop) {
  PrintActions::Printed printed = PrintActions::Printed::kNo;
  // The window takes no other command until the browser view has printed:
  // a new view would change the page being printed.
  options.disable_commands = true;
  runner.Execute(options, [&](LongActionRunner::Run& run) {
    PrintWait wait;
    printed = wait.Run(
        run, [&](PrintWait& w) { start(w, run); }, stop);
  });
  return printed;
}

}  // namespace

PrintActions::PrintActions(ViewerPanel& viewer, LongActionRunner& runner,
                           ProgressDisplay* wait_display, ActionHost host)
    : viewer_(viewer), runner_(runner), wait_display_(wait_display), host_(std::move(host)) {}

PrintActions::~PrintActions() = default;

QPrinter* PrintActions::printer() {
  // One printer for the run, so that the page setup holds for later prints.
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return printer_.get();
}

bool PrintActions::PrintPage(QPrinter* target) {
  viewer_.CompletePage();  // a long view prints whole
  const auto start = [this, target](PrintWait& wait, LongActionRunner::Run&) {
    QObject::connect(&viewer_, &ViewerPanel::printed, wait.context(),
                     [&wait](bool ok) { wait.Finished(ok); });
    viewer_.Print(target);
  };
  return RunPrint(runner_, {}, start, [] {}) == Printed::kYes;
}

PrintActions::Printed PrintActions::PrintPageToPdf(const QString& file, const QPageLayout& layout,
                                                   const QPageRanges& pages) {
  LongActionRunner::Options options;
  if (const LivePage* live = viewer_.live_page(); live->live() && wait_display_) {
    // A long view prints in parts, for minutes: the wait panel says how far.
    options.display = wait_display_;
    options.show_progress = true;
    options.maximum = static_cast<int>(live->conversations());
  }
  const auto start = [&](PrintWait& wait, LongActionRunner::Run& run) {
    QObject::connect(&viewer_, &ViewerPanel::pdfPrinted, wait.context(),
                     [&wait, file](const QString& written, bool ok) {
                       if (written == file) wait.Finished(ok);
                     });
    QObject::connect(
        &viewer_, &ViewerPanel::printProgress, wait.context(),
        [&wait, &run](std::size_t printed, std::size_t conversations) {
          wait.Progressed();
          run.SetPosition(static_cast<int>(printed));
          run.SetText(tr("%1 conversations printed out of %2").arg(printed).arg(conversations));
        });
    viewer_.PrintToPdf(file, layout, pages);
  };
  return RunPrint(runner_, options, start, [this] { viewer_.CancelPrint(); });
}

void PrintActions::Print1Click() {
  QPrinter* target = printer();
  if (!host_.env->save_dialogs || !host_.env->save_dialogs->AskPrint(host_.window, target)) return;
  // A PDF file gets the browser's own PDF: text that can be found and copied,
  // in the dialog's paper, orientation, margins and pages. Other printers get
  // the page drawn for them.
  const bool pdf_file =
      target->outputFormat() == QPrinter::PdfFormat && !target->outputFileName().isEmpty();
  const Printed printed = pdf_file ? PrintPageToPdf(target->outputFileName(), target->pageLayout(),
                                                    target->pageRanges())
                                   : (PrintPage(target) ? Printed::kYes : Printed::kNo);
  if (printed == Printed::kNo)
    throw UserError(QT_TRANSLATE_NOOP("Core", "The page could not be printed"));
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
