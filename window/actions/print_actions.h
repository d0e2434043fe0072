// Printing the page the browser view holds: print, preview and page setup.
#pragma once

#include <QCoreApplication>
#include <memory>

#include "window/actions/action_host.h"

class QPageLayout;
class QPageRanges;
class QPrinter;
class QString;

namespace orvex {

class LongActionRunner;
class ProgressDisplay;
class ViewerPanel;

class PrintActions {
  Q_DECLARE_TR_FUNCTIONS(PrintActions)

 public:
  PrintActions(ViewerPanel& viewer, LongActionRunner& runner, ProgressDisplay* wait_display,
               ActionHost host);
  ~PrintActions();

  enum class Printed { kYes, kNo, kCancelled };

  void Print1Click();
  void Printpreview1Click();
  void Printersetup1Click();

  // The printer the print dialogs set up; made on first use.
  QPrinter* printer();
  // Prints the page the browser view holds; waits until it is done.
  bool PrintPage(QPrinter* target);

 private:
  // Writes the page as the browser's own PDF, its text kept, into a file;
  // waits until it is done. A long view's print shows its progress and can
  // be cancelled.
  Printed PrintPageToPdf(const QString& file, const QPageLayout& layout, const QPageRanges& pages);

  ViewerPanel& viewer_;
  LongActionRunner& runner_;
  ProgressDisplay* wait_display_;
  ActionHost host_;
  std::unique_ptr<QPrinter> printer_;  // one for the run: the page setup holds
};

}  // namespace orvex
