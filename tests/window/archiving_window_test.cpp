// The archiving switch of the menu bar: the state shown for the listed
// identity and a click turning it over.
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "window_fixture.h"

namespace orvex::testing {
namespace {

struct SwitchCase {
  const char* stored;   // "Enabled" as the registry holds it
  const char* caption;  // shown at first
  const char* colour;   // of the caption
  int written;          // by a click
  const char* after;    // shown after the click
  const char* after_colour;
};

class ArchivingSwitchTest : public WindowTest, public ::testing::WithParamInterface<SwitchCase> {
 protected:
  static QString CaptionColour(QToolButton* button) {
    button->ensurePolished();
    return button->palette().color(QPalette::ButtonText).name();
  }
};

TEST_P(ArchivingSwitchTest, ShowsTheStoredStateAndAClickTurnsItOver) {
  const SwitchCase& c = GetParam();
  AddArchive("bob", "alice", "20050101", {"hi"});
  WriteBytes(
      config / "registry.ini",
      std::string("[Software/Yahoo/Pager/profiles/bob/Archive]\r\nEnabled=") + c.stored + "\r\n");
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  EXPECT_EQ(Ui(w).panID->text(), "Yahoo ID: bob");
  EXPECT_EQ(Ui(w).spdArchiving->text(), c.caption);
  EXPECT_EQ(CaptionColour(Ui(w).spdArchiving), c.colour);
  EXPECT_TRUE(Ui(w).spdArchiving->font().bold());

  Ui(w).spdArchiving->click();
  EXPECT_EQ(registry->ReadInteger("Software/Yahoo/Pager/profiles/bob/Archive", "Enabled"),
            c.written);
  EXPECT_EQ(Ui(w).spdArchiving->text(), c.after);
  EXPECT_EQ(CaptionColour(Ui(w).spdArchiving), c.after_colour);
  EXPECT_TRUE(Ui(w).spdArchiving->font().bold());
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, ArchivingSwitchTest,
    ::testing::Values(SwitchCase{"1", "Enabled", "#008000", 0, "Disabled", "#800000"},
                      SwitchCase{"0", "Disabled", "#800000", 1, "Enabled", "#008000"},
                      SwitchCase{"7", "Enabled", "#008000", 0, "Disabled", "#800000"}));

using ArchivingIdleTest = WindowTest;

TEST_F(ArchivingIdleTest, TheSwitchDoesNothingBeforeAnIdentityIsListed) {
  TfrmMain& w = Start();
  EXPECT_FALSE(Ui(w).spdArchiving->isEnabled());
  Ui(w).spdArchiving->click();
  EXPECT_EQ(Ui(w).spdArchiving->text(), "enabled");
  EXPECT_EQ(Ui(w).panID->text(), "Yahoo ID: ");
  EXPECT_FALSE(registry->ReadInteger("Software/Yahoo/Pager/profiles//Archive", "Enabled"));
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ArchivingIdleTest, TheSwitchIsGreyedWhileNoIdentityIsCurrent) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  AddFriendFolder("bob", "carol");
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  EXPECT_TRUE(Ui(w).spdArchiving->isEnabled());
  SelectNode(w, "carol");  // lists nothing: the panel still names bob
  EXPECT_EQ(Ui(w).panID->text(), "Yahoo ID: bob");
  EXPECT_FALSE(Ui(w).spdArchiving->isEnabled());
  QTest::mouseClick(Ui(w).spdArchiving, Qt::LeftButton);
  EXPECT_FALSE(registry->ReadInteger("Software/Yahoo/Pager/profiles/bob/Archive", "Enabled"));
  SelectNode(w, "alice");
  EXPECT_TRUE(Ui(w).spdArchiving->isEnabled());
}

}  // namespace
}  // namespace orvex::testing
