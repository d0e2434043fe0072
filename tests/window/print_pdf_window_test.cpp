// "Print..." into a PDF file: the browser's own PDF, whose text can be found
// and copied, in the paper and orientation the printer was given.
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>

#include <algorithm>
#include <cstdio>

#include "platform_answers.h"

namespace orvex::testing {
namespace {

class PrintPdfTest : public PlatformWindowTest {
 protected:
  void Configure(FrmMainEnvironment& env) override {
    PlatformWindowTest::Configure(env);
    env.save_dialogs = &save_dialogs;
  }
  RecordingSaveDialogs save_dialogs;
  TempFolder out;
};

// What a tool of poppler-utils says of the printed file.
std::string Poppler(const char* tool, const QStringList& arguments) {
  QProcess run;
  run.start(tool, arguments);
  run.waitForFinished(60000);
  return run.readAllStandardOutput().toStdString();
}

TEST_F(PrintPdfTest, APdfFileHoldsThePagesTextInTheChosenLayout) {
  AddArchive("bob", "alice", "20050101", {"the lighthouse keeper waved twice", "fine"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  ASSERT_TRUE(LoadAndWait(w, [&] { SelectRows(w, {0}); }));
  w.printer()->setPageOrientation(QPageLayout::Landscape);  // as the dialog would set it
  save_dialogs.pdf_file = QString::fromStdString(out / "page.pdf");
  w.Print1Click();
  EXPECT_NE(Poppler("pdftotext", {save_dialogs.pdf_file, "-"}).find("alice said the lighthouse"),
            std::string::npos);
  const std::string info = Poppler("pdfinfo", {save_dialogs.pdf_file});
  double width = 0, height = 0;  // A4 across: 842 x 595 points
  std::sscanf(info.c_str() + std::min(info.find("Page size:"), info.size()), "Page size: %lf x %lf",
              &width, &height);
  EXPECT_NEAR(width, 842, 1);
  EXPECT_NEAR(height, 595, 1);

  // A file that cannot be written is reported as any failed print is.
  save_dialogs.pdf_file = QString::fromStdString(out / "no such folder/page.pdf");
  w.Guard([&] { w.Print1Click(); });
  EXPECT_EQ(dialogs.errors.join("|"), "The page could not be printed.");
}

}  // namespace
}  // namespace orvex::testing
