// The contact tree: scan, registry user, filter, selection and the identity panel.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>

#include "window/list/conversation_model.h"
#include "window_fixture.h"

namespace orvex::testing {
namespace {

using TreeWindowTest = WindowTest;

TEST_F(TreeWindowTest, StartUpScansAndSelectsTheRegistryUserWithAnEmptyList) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  AddArchive("Bob", "carol", "20050102", {"hi"});
  TfrmMain& w = Start("bob");
  const QStringList texts = TreeTexts(w);
  EXPECT_EQ(texts.size(), 6);
  EXPECT_EQ(texts[0], "Show all");
  EXPECT_EQ(texts[1], "Favorite conversations");
  const auto selected = Ui(w).ids->selectedItems();
  ASSERT_EQ(selected.size(), 1);
  EXPECT_EQ(selected[0]->text(0), "bob");  // letter case counts
  EXPECT_TRUE(selected[0]->isExpanded());
  EXPECT_EQ(w.list().model().rowCount(), 0);
  EXPECT_EQ(Ui(w).panID->text(), "Yahoo ID: ");
}

TEST_F(TreeWindowTest, TypingAPathScansOnlyExistingFoldersAndAScanEmptiesTheList) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  EXPECT_EQ(w.list().model().rowCount(), 1);
  Ui(w).edtPath->setText(Ui(w).edtPath->text() + "nosuch/");
  EXPECT_EQ(w.list().model().rowCount(), 1);  // not a folder: nothing changes
  EXPECT_EQ(TreeTexts(w).size(), 4);
  Ui(w).edtPath->setText(QString::fromStdString(programs.path()));  // exists, holds no identity
  EXPECT_EQ(TreeTexts(w).join("|"), "Show all|Favorite conversations");
  EXPECT_EQ(w.list().model().rowCount(), 0);
}

TEST_F(TreeWindowTest, FilterIsCaseSensitiveAndSelectsASingleMatchAlone) {
  for (const char* f : {"Anna", "dan", "Joan"}) AddArchive("bob", f, "20050101", {"hi"});
  TfrmMain& w = Start();
  SelectNode(w, "Show all");
  const int all = w.list().model().rowCount();
  EXPECT_EQ(all, 3);
  Ui(w).edtFilter->setText("an");
  auto find = [&](const char* text) {
    return Ui(w).ids->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).first();
  };
  EXPECT_TRUE(find("Anna")->isHidden());
  EXPECT_FALSE(find("dan")->isHidden());
  EXPECT_FALSE(find("Joan")->isHidden());
  EXPECT_TRUE(find("bob")->isExpanded());       // fewer than 30 showing: all expanded
  EXPECT_EQ(w.list().model().rowCount(), all);  // two matches: selection kept

  Ui(w).edtFilter->setText("Jo");
  ASSERT_EQ(Ui(w).ids->selectedItems().size(), 1);
  EXPECT_EQ(Ui(w).ids->selectedItems()[0]->text(0), "Joan");
  ASSERT_EQ(w.list().model().rowCount(), 1);
  EXPECT_EQ(w.list().model().EntryAt(0).friend_name, "Joan");

  Ui(w).edtFilter->clear();
  EXPECT_FALSE(find("Anna")->isHidden());
  EXPECT_EQ(Ui(w).ids->selectedItems()[0]->text(0), "Joan");  // clearing keeps the selection
}

TEST_F(TreeWindowTest, IdentityPanelFollowsTheListedIdentities) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  AddArchive("bob", "carol", "20050101", {"hi"});
  AddArchive("eve", "dave", "20050101", {"hi"});
  WriteBytes(config / "registry.ini",
             "[Software/Yahoo/Pager/profiles/bob/Archive]\r\nEnabled=7\r\n");
  TfrmMain& w = Start();
  SelectNode(w, "bob");  // an identity alone lists nothing
  EXPECT_EQ(Ui(w).panID->text(), "Yahoo ID: ");

  auto select = [&](std::initializer_list<const char*> names) {
    Ui(w).ids->clearSelection();
    for (const char* n : names) {
      Ui(w).ids->findItems(n, Qt::MatchExactly | Qt::MatchRecursive).first()->setSelected(true);
    }
  };
  select({"alice", "carol"});
  EXPECT_EQ(Ui(w).panID->text(), "Yahoo ID: bob");
  EXPECT_TRUE(Ui(w).panMesArch->isVisibleTo(&w));
  EXPECT_EQ(Ui(w).spdArchiving->text(), "Enabled");

  select({"carol", "dave"});
  EXPECT_EQ(Ui(w).panID->text(), "Yahoo ID: multiple");
  EXPECT_FALSE(Ui(w).panMesArch->isVisibleTo(&w));

  select({"dave"});
  EXPECT_EQ(Ui(w).panID->text(), "Yahoo ID: eve");
  EXPECT_TRUE(Ui(w).panMesArch->isVisibleTo(&w));
  EXPECT_EQ(Ui(w).spdArchiving->text(), "Disabled");
  Ui(w).spdArchiving->click();
  EXPECT_EQ(Ui(w).spdArchiving->text(), "Enabled");
  EXPECT_EQ(registry->ReadInteger("Software/Yahoo/Pager/profiles/eve/Archive", "Enabled"), 1);
}

TEST_F(TreeWindowTest, FavouritesAreListedWhateverElseIsSelectedAndKeptOnce) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  AddArchive("bob", "alice", "20050102", {"hi"});
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  SelectRows(w, {0, 1});
  Choose(Ui(w).popMessage, "Add to favorites");
  Choose(Ui(w).popMessage, "Add to favorites");
  SelectNode(w, "Favorite conversations");
  Ui(w).ids->findItems("alice", Qt::MatchExactly | Qt::MatchRecursive).first()->setSelected(true);
  EXPECT_EQ(w.list().model().rowCount(), 2);
  w.close();
  const std::string ini = SettingsText();
  EXPECT_NE(ini.find("Favorites=2\r\n"), std::string::npos);
  EXPECT_NE(ini.find("Identity1=bob\r\nFriend1=alice\r\n"), std::string::npos);
}

TEST_F(TreeWindowTest, SelectAllShownListsEveryConversation) {
  AddArchive("bob", "alice", "20050101", {"hi"});
  AddArchive("eve", "dave", "20050101", {"hi"});
  TfrmMain& w = Start();
  SelectAllNodes(w);
  EXPECT_EQ(w.list().model().rowCount(), 2);
}

}  // namespace
}  // namespace orvex::testing
