// The About box and the guide the Help menu opens.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

#include <filesystem>
#include <string>

#include "about/frmabout.h"
#include "about/link_label.h"
#include "platform_answers.h"

namespace orvex::testing {
namespace {

using AboutTest = PlatformWindowTest;

// What a box shows when it opens.
QString Describe(TfrmAbout& box) {
  const QImage logo = box.imgLogo->pixmap().toImage();
  const QImage name = box.imgName->pixmap().toImage();
  return QStringList{box.windowTitle(),
                     QString("%1x%2").arg(box.width()).arg(box.height()),
                     QString("logo %1x%2 at %3,%4 clear corner %5")
                         .arg(logo.width())
                         .arg(logo.height())
                         .arg(box.imgLogo->x())
                         .arg(box.imgLogo->y())
                         .arg(qAlpha(logo.pixel(0, 0)) == 0),
                     QString("name %1x%2 at %3,%4")
                         .arg(name.width())
                         .arg(name.height())
                         .arg(box.imgName->x())
                         .arg(box.imgName->y()),
                     box.lblProduct->text(),
                     box.lblVersion->text(),
                     box.lblHomepage->text(),
                     box.Label5->text(),
                     box.Button1->text()}
      .join("|");
}

TEST_F(AboutTest, EachAboutIsANewFullyInitialisedBox) {
  TfrmMain& w = Start();
  QStringList seen;
  QPointer<TfrmAbout> first;
  on_dialog = [&](QDialog& d) {
    auto& box = dynamic_cast<TfrmAbout&>(d);
    seen << Describe(box);
    if (!first) first = &box;
    box.lblVersion->setText("spoilt");  // must not reach the next box
    box.Label5Click();
    box.Button1Click();
    return box.result();
  };
  QAction* about = nullptr;
  for (QAction* a : Ui(w).popHelp->actions()) {
    if (a->text() == "About...") about = a;
  }
  ASSERT_NE(about, nullptr);
  about->trigger();
  EXPECT_TRUE(first.isNull());  // gone when it closed
  about->trigger();
  ASSERT_EQ(seen.size(), 2);
  EXPECT_EQ(seen[0],
            "About|460x221|logo 70x66 at 8,6 clear corner 1|name 156x60 at 90,6|"
            "Messenger Archive Viewer |Version 1.02|Homepage:|https://orvex.example.org/|OK");
  EXPECT_EQ(seen[1], seen[0]);
  EXPECT_EQ(shell.opened.join("|"),
            "https://orvex.example.org/messenger-archive|"
            "https://orvex.example.org/messenger-archive");
}

TEST_F(AboutTest, TheLinkLabelIsBlueBoldAndUnderlinedWhereItBelongs) {
  TfrmAbout box(&shell);
  EXPECT_EQ(box.Label5->y(), 149);
  EXPECT_GE(box.Label5->x(), 152);  // further right only to clear "Homepage:"
  EXPECT_GT(box.Label5->x(), box.lblHomepage->geometry().right());
  EXPECT_EQ(box.lblHomepage->pos(), QPoint(91, 149));
  EXPECT_EQ(box.Label5->palette().color(QPalette::WindowText).name(), "#0000ff");
  EXPECT_TRUE(box.Label5->font().bold());
  EXPECT_TRUE(box.Label5->font().underline());
  EXPECT_EQ(box.Label5->font().pixelSize(), 13);
  EXPECT_EQ(box.lblProduct->font().pixelSize(), 19);
  EXPECT_EQ(box.Button1->geometry(), QRect(90, 176, 75, 25));
}

struct LinkCase {
  const char* trigger;  // a menu item's caption or a button's
  bool button;
  const char* section;  // of the guide; empty: its start
};

class LinkTest : public PlatformWindowTest, public ::testing::WithParamInterface<LinkCase> {
 protected:
  // Uses the menu item or button the case names.
  void Use(TfrmMain& w, const char* trigger, bool button) {
    if (button) {
      for (QToolButton* b : {Ui(w).btnHelp, Ui(w).btnForum}) {
        if (b->text() == trigger) b->click();
      }
    } else {
      for (QAction* a : Ui(w).popHelp->actions()) {
        if (a->text() == trigger) a->trigger();
      }
    }
  }
};

TEST_P(LinkTest, OpensTheGuideShippedWithTheProgram) {
  // The guide as the build put it beside the test program.
  const std::string guide =
      ReadFile(QCoreApplication::applicationDirPath().toStdString() + "/help/guide.html");
  std::filesystem::create_directories(program / "help");
  WriteBytes(program / "help/guide.html", guide);
  TfrmMain& w = Start();
  const LinkCase& c = GetParam();
  Use(w, c.trigger, c.button);
  ASSERT_EQ(shell.opened.size(), 1);
  const QUrl url(shell.opened[0]);
  EXPECT_EQ(url.toLocalFile().toStdString(), program / "help/guide.html");
  EXPECT_EQ(url.fragment().toStdString(), c.section);
  EXPECT_TRUE(!*c.section || guide.find("id=\"" + std::string(c.section) + "\"") != guide.npos);
}

INSTANTIATE_TEST_SUITE_P(
    HelpMenuAndButtons, LinkTest,
    ::testing::Values(LinkCase{"Help", false, ""}, LinkCase{"&Help", true, ""},
                      LinkCase{"Homepage", false, ""}, LinkCase{"Forum", false, "questions"},
                      LinkCase{"&Forum", true, "questions"},
                      LinkCase{"Suggestions and bugs reports", false, "report"}));

TEST_F(LinkTest, WithoutItsGuideHelpSaysWhereItBelongs) {
  TfrmMain& w = Start();
  Use(w, "Help", false);
  EXPECT_TRUE(shell.opened.isEmpty());
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].contains(QString::fromStdString(program / "help/guide.html")));
}

}  // namespace
}  // namespace orvex::testing
