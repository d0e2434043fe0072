// The menus' own look: item sizes, the selection band, greyed text, the
// separator lines, the check mark and the menu bar's buttons.
#include <QAction>
#include <QFrame>
#include <QImage>
#include <QMenu>
#include <QToolButton>

#include <algorithm>

#include "window/menu_drawing.h"
#include "window/menu_style.h"
#include "window_fixture.h"

namespace orvex::testing {
namespace {

struct SizeCase {
  bool separator;
  int caption_width;
  bool shortcut;
  int width, height;  // for a text height of 13
};

class MenuItemSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(MenuItemSizeTest, FollowsTheWidthRule) {
  const SizeCase& c = GetParam();
  const MenuItemSize s = MeasureMenuItem(c.separator, c.caption_width, c.shortcut, 13);
  EXPECT_EQ(s.width, c.width);
  EXPECT_EQ(s.height, c.height);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamplesAndEdges, MenuItemSizeTest,
    ::testing::Values(SizeCase{false, 100, false, 150, 21}, SizeCase{false, 100, true, 155, 21},
                      SizeCase{false, 131, false, 151, 21}, SizeCase{false, 130, false, 150, 21},
                      SizeCase{false, 95, true, 150, 21}, SizeCase{false, 96, true, 151, 21},
                      SizeCase{true, 0, false, 150, 15}));

TEST(MenuColoursTest, GreyTextWinsOverTheSelection) {
  const auto hex = [](MenuItemColours c) {
    return QString("%1/%2").arg(c.background, 6, 16, QChar('0')).arg(c.text, 6, 16, QChar('0'));
  };
  EXPECT_EQ(hex(MenuItemColoursFor(false, false)), "efeae8/000000");
  EXPECT_EQ(hex(MenuItemColoursFor(true, false)), "3069c6/ffffff");
  EXPECT_EQ(hex(MenuItemColoursFor(false, true)), "efeae8/808080");
  EXPECT_EQ(hex(MenuItemColoursFor(true, true)), "3069c6/808080");
}

TEST(MenuCaptionTest, TheAcceleratorMarkIsNotShown) {
  EXPECT_EQ(StripAccelerator("&File"), "File");
  EXPECT_EQ(StripAccelerator("Save && close"), "Save & close");
  EXPECT_EQ(StripAccelerator("&&&x"), "&x");
  EXPECT_EQ(StripAccelerator("end&"), "end");
}

// Whether some pixel of a region has exactly this colour.
bool Holds(const QImage& image, const QRect& region, QColor colour) {
  for (int y = region.top(); y <= region.bottom(); ++y) {
    for (int x = region.left(); x <= region.right(); ++x) {
      if (QColor(image.pixel(x, y)) == colour) return true;
    }
  }
  return false;
}

// Whether some pixel of a region is dark: small type is drawn smoothed.
bool HoldsInk(const QImage& image, const QRect& region) {
  for (int y = region.top(); y <= region.bottom(); ++y) {
    for (int x = region.left(); x <= region.right(); ++x) {
      if (QColor(image.pixel(x, y)).lightness() < 128) return true;
    }
  }
  return false;
}

// A menu drawn as the window draws its own, shown so that it lays itself out.
class DrawnMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plain = menu.addAction("Plain");
    checked = menu.addAction("Checked");
    checked->setCheckable(true);
    checked->setChecked(true);
    greyed = menu.addAction("Greyed");
    greyed->setEnabled(false);
    separator = menu.addSeparator();
    del = menu.addAction("Delete");
    del->setShortcut(QKeySequence(Qt::Key_Delete));
    AttachMenuDrawing({&menu}, {}, &menu);
    menu.popup(QPoint(0, 0));
  }
  void TearDown() override { menu.hide(); }

  QImage Drawn(QAction* active) {
    menu.setActiveAction(active);
    return menu.grab().toImage();
  }
  static QString At(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)).name(); }

  QMenu menu;
  QAction *plain, *checked, *greyed, *separator, *del;
};

TEST_F(DrawnMenuTest, ItemsHaveTheirMeasuredSizes) {
  const int text_height = menu.fontMetrics().height();
  for (QAction* a : {plain, checked, greyed, del}) {
    EXPECT_EQ(menu.actionGeometry(a).size(),
              QSize(150 + kMenuCheckColumnAllowance, text_height + 8))
        << a->text().toStdString();
  }
  EXPECT_EQ(menu.actionGeometry(separator).size(), QSize(150 + kMenuCheckColumnAllowance, 15));

  // A caption wider than 130 - 35 with its shortcut: the menu widens to fit.
  del->setText("Delete every selected conversation at once");
  menu.hide();
  menu.popup(QPoint(0, 0));
  const int caption = menu.fontMetrics().horizontalAdvance(del->text());
  ASSERT_GT(caption + 35, 130);
  EXPECT_EQ(menu.actionGeometry(plain).width(), caption + 20 + 35 + kMenuCheckColumnAllowance);
}

TEST_F(DrawnMenuTest, TheSelectionBandAndTheTextColours) {
  QImage image = Drawn(nullptr);
  const QRect p = menu.actionGeometry(plain);
  EXPECT_EQ(At(image, p.left() + 2, p.top() + 1), "#efeae8");
  EXPECT_TRUE(Holds(image, p, Qt::black));

  image = Drawn(plain);
  EXPECT_EQ(At(image, p.left() + 2, p.top() + 1), "#3069c6");
  EXPECT_TRUE(Holds(image, p, Qt::white));
  EXPECT_FALSE(Holds(image, p, Qt::black));

  // A greyed item on the band keeps its grey text.
  image = Drawn(greyed);
  const QRect g = menu.actionGeometry(greyed);
  EXPECT_EQ(At(image, g.left() + 2, g.top() + 1), "#3069c6");
  EXPECT_TRUE(Holds(image, g, QColor(0x80, 0x80, 0x80)));
  EXPECT_FALSE(Holds(image, g, Qt::white));
}

TEST_F(DrawnMenuTest, TheSeparatorIsAGreyAndAWhiteLine) {
  const QImage image = Drawn(nullptr);
  const QRect s = menu.actionGeometry(separator);
  const int right = s.left() + s.width();
  EXPECT_EQ(At(image, s.left() + 15, s.top() + 7), "#808080");
  EXPECT_EQ(At(image, right - 16, s.top() + 7), "#808080");
  EXPECT_EQ(At(image, s.left() + 15, s.top() + 8), "#ffffff");
  EXPECT_EQ(At(image, s.left() + 14, s.top() + 7), "#efeae8");  // short of the edges
  EXPECT_EQ(At(image, s.left() + 40, s.top() + 6), "#efeae8");
}

TEST_F(DrawnMenuTest, TheCheckMarkIsGreenAndWhiteOnTheBand) {
  const QRect c = menu.actionGeometry(checked);
  const int bottom = c.top() + c.height();
  // On the long stroke, from (left + 8, bottom - 8) to (left + 14, bottom - 14).
  const QPoint on(c.left() + 11, bottom - 11);
  EXPECT_EQ(At(Drawn(nullptr), on.x(), on.y()), "#008000");
  EXPECT_EQ(At(Drawn(checked), on.x(), on.y()), "#ffffff");
  // Unchecked: no mark.
  checked->setChecked(false);
  EXPECT_EQ(At(Drawn(nullptr), on.x(), on.y()), "#efeae8");
  // Not under the plain item either.
  const QRect p = menu.actionGeometry(plain);
  EXPECT_FALSE(Holds(Drawn(nullptr), p, QColor(0x00, 0x80, 0x00)));
}

TEST_F(DrawnMenuTest, TheShortcutIsDrawnAtTheRightEdge) {
  const QImage image = Drawn(nullptr);
  const QRect d = menu.actionGeometry(del);
  const int right = d.left() + d.width();
  // "Del" ends 11 pixels before the edge: ink just before that, none after.
  EXPECT_TRUE(HoldsInk(image, QRect(right - 20, d.top(), 9, d.height())));
  EXPECT_FALSE(HoldsInk(image, QRect(right - 11, d.top(), 10, d.height())));
}

using MenuBarTest = WindowTest;

TEST_F(MenuBarTest, TheWindowsMenusAndMenuBarAreDrawnTheProgramsWay) {
  TfrmMain& w = Start();
  for (QMenu* m :
       {Ui(w).popFile, Ui(w).popView, Ui(w).popMessage, Ui(w).popHelp, Ui(w).PopupMenu1}) {
    EXPECT_NE(dynamic_cast<MenuStyle*>(m->style()), nullptr) << m->objectName().toStdString();
  }
  QToolButton* file = Ui(w).menu_bar_buttons.front();
  const QColor bar = file->parentWidget()->palette().color(QPalette::Window);
  EXPECT_EQ(file->grab().toImage().pixelColor(1, 1), bar);
  file->setDown(true);
  EXPECT_EQ(file->grab().toImage().pixelColor(1, 1).name(), "#4e6cbe");
  EXPECT_TRUE(Holds(file->grab().toImage(), file->rect(), Qt::white));
  // Disabled while a long action runs: grey type, no black.
  file->setDown(false);
  file->setEnabled(false);
  const QImage greyed = file->grab().toImage();
  int darkest = 255;
  for (int y = 0; y < greyed.height(); ++y) {
    for (int x = 0; x < greyed.width(); ++x)
      darkest = std::min(darkest, greyed.pixelColor(x, y).lightness());
  }
  EXPECT_GT(darkest, 100);
  EXPECT_LT(darkest, 200);
}

// "&Help" and "&Forum" are drawn as the menu buttons are, each with its icon
// before the caption.
TEST_F(MenuBarTest, TheLinkButtonsAreDrawnLikeTheMenuButtonsWithTheirIcons) {
  TfrmMain& w = Start();
  for (QToolButton* b : {Ui(w).btnHelp, Ui(w).btnForum}) {
    ASSERT_FALSE(b->icon().isNull());
    const QColor bar = b->parentWidget()->palette().color(QPalette::Window);
    EXPECT_EQ(b->grab().toImage().pixelColor(1, 1), bar);
    b->setDown(true);
    const QImage hot = b->grab().toImage();
    EXPECT_EQ(hot.pixelColor(1, 1).name(), "#4e6cbe");
    bool light_caption = false;  // white type, drawn smoothed
    for (int y = 0; y < hot.height(); ++y) {
      for (int x = 22; x < hot.width(); ++x)
        light_caption |= hot.pixelColor(x, y).lightness() > 200;
    }
    EXPECT_TRUE(light_caption);
    const QImage icon = b->icon().pixmap(16, 16).toImage();
    const QPoint middle(2 + 8, (b->height() - 16) / 2 + 8);
    EXPECT_EQ(hot.pixelColor(middle), icon.pixelColor(8, 8));
    b->setDown(false);
  }
}

}  // namespace
}  // namespace orvex::testing
