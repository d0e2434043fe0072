// The About box and the links to the product web site.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

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
  const char* url;
};

class LinkTest : public PlatformWindowTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkTest, OpensItsPage) {
  TfrmMain& w = Start();
  const LinkCase& c = GetParam();
  if (c.button) {
    for (QToolButton* b : {Ui(w).btnHelp, Ui(w).btnForum}) {
      if (b->text() == c.trigger) b->click();
    }
  } else {
    for (QAction* a : Ui(w).popHelp->actions()) {
      if (a->text() == c.trigger) a->trigger();
    }
  }
  EXPECT_EQ(shell.opened.join("|"), c.url);
}

INSTANTIATE_TEST_SUITE_P(
    HelpMenuAndButtons, LinkTest,
    ::testing::Values(
        LinkCase{"Help", false, "https://orvex.example.org/messenger-archive/help.html"},
        LinkCase{"&Help", true, "https://orvex.example.org/messenger-archive/help.html"},
        LinkCase{"Homepage", false, "https://orvex.example.org/messenger-archive/"},
        LinkCase{"Forum", false, "https://orvex.example.org/messenger-archive/forum"},
        LinkCase{"&Forum", true, "https://orvex.example.org/messenger-archive/forum"},
        LinkCase{"Suggestions and bugs reports", false, ""}));

}  // namespace
}  // namespace orvex::testing
