// The About box and the guide the Help menu opens.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

#include "dialogs/frmabout.h"
#include "dialogs/link_label.h"
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

TEST_F(AboutTest, EachAboutIsANewFullyInitialisedBoxWhoseLinkOpensTheGuide) {
  WriteBytes(program / "help/guide.html", "<html></html>");
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
  const QString guide =
      QUrl::fromLocalFile(QString::fromStdString(program / "help/guide.html")).toString();
  EXPECT_EQ(shell.opened.join("|"), guide + "|" + guide);
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
  const char* opened;  // the program folder written "PROGRAM/"; "": no guide, a message
};

class LinkTest : public PlatformWindowTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkTest, OpensTheGuideAtItsSection) {
  const LinkCase& c = GetParam();
  // The guide as the build put it beside the test program.
  const std::string guide =
      ReadFile(QCoreApplication::applicationDirPath().toStdString() + "/help/guide.html");
  if (*c.opened) WriteBytes(program / "help/guide.html", guide);
  TfrmMain& w = Start();
  if (c.button) {
    for (QToolButton* b : {Ui(w).btnHelp, Ui(w).btnForum}) {
      if (b->text() == c.trigger) b->click();
    }
  } else {
    for (QAction* a : Ui(w).popHelp->actions()) {
      if (a->text() == c.trigger) a->trigger();
    }
  }
  EXPECT_EQ(shell.opened.join("|").replace(QString::fromStdString(program.path()), "PROGRAM/"),
            c.opened);
  const std::string section = QUrl(shell.opened.value(0)).fragment().toStdString();
  EXPECT_TRUE(section.empty() || guide.find("id=\"" + section + "\"") != guide.npos);
  EXPECT_EQ(dialogs.messages.join("").contains("help/guide.html"), !*c.opened);
}

INSTANTIATE_TEST_SUITE_P(
    HelpMenuAndButtons, LinkTest,
    ::testing::Values(LinkCase{"Help", false, "file://PROGRAM/help/guide.html"},
                      LinkCase{"&Help", true, "file://PROGRAM/help/guide.html"},
                      LinkCase{"Homepage", false, "file://PROGRAM/help/guide.html"},
                      LinkCase{"Forum", false, "file://PROGRAM/help/guide.html#questions"},
                      LinkCase{"&Forum", true, "file://PROGRAM/help/guide.html#questions"},
                      LinkCase{"Suggestions and bugs reports", false,
                               "file://PROGRAM/help/guide.html#report"},
                      LinkCase{"Help", false, ""}));

}  // namespace
}  // namespace orvex::testing
