// "Print..." into a PDF file: the browser's own PDF, whose text can be found
// and copied, in the paper and orientation the printer was given.
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>

#include <cstdio>

#include "platform_answers.h"
#include "window_fixture.h"
#include "ylogs/views/conversation_list.h"

namespace orvex::testing {
namespace {

class PrintPdfTest : public PlatformWindowTest {
 protected:
  void Configure(FrmMainEnvironment& env) override {
    PlatformWindowTest::Configure(env);
    env.save_dialogs = &save_dialogs;
  }

  // What a poppler tool (poppler-utils) says of a file.
  static std::string Poppler(const char* tool, QStringList arguments) {
    QProcess run;
    run.start(tool, arguments);
    if (!run.waitForFinished(60000)) return "(" + std::string(tool) + " did not run)";
    return run.readAllStandardOutput().toStdString();
  }

  RecordingSaveDialogs save_dialogs;
  TempFolder out;
};

TEST_F(PrintPdfTest, APdfFileHoldsThePagesTextInTheChosenLayout) {
  AddArchive("bob", "alice", "20050101", {"the lighthouse keeper waved twice", "fine"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  ASSERT_TRUE(LoadAndWait(w, [&] { SelectRows(w, {0}); }));
  w.printer()->setPageOrientation(QPageLayout::Landscape);  // as the dialog would set it

  save_dialogs.pdf_file = QString::fromStdString(out / "page.pdf");
  w.Print1Click();
  EXPECT_EQ(dialogs.errors.join("|"), "");
  EXPECT_NE(Poppler("pdftotext", {save_dialogs.pdf_file, "-"})
                .find("alice said the lighthouse keeper waved"),
            std::string::npos)
      << "no text, or no pdftotext";
  // A4 across: 842 x 595 points.
  const std::string info = Poppler("pdfinfo", {save_dialogs.pdf_file});
  double width = 0, height = 0;
  const std::size_t size = info.find("Page size:");
  ASSERT_NE(size, std::string::npos) << info;
  std::sscanf(info.c_str() + size, "Page size: %lf x %lf", &width, &height);
  EXPECT_NEAR(width, 842, 1);
  EXPECT_NEAR(height, 595, 1);

  // A file that cannot be written is reported as any failed print is.
  save_dialogs.pdf_file = QString::fromStdString(out / "no such folder/page.pdf");
  w.Guard([&] { w.Print1Click(); });
  EXPECT_EQ(dialogs.errors.join("|"), "The page could not be printed.");
}

}  // namespace
}  // namespace orvex::testing
