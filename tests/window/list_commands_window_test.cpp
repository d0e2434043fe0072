// Commands on the listed conversations: "Delete" asks with No as the default
// button and moves the files to the trash; a batch export leaves the
// statistics of the view; "Remove from favorites" takes the selected
// favourites away, from the list and from the settings file.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "dialogs/frmsavedir.h"
#include "platform_answers.h"

namespace orvex::testing {
namespace {

// Questions in real message boxes, each answered with the next key once it
// shows (Escape when none is left); errors recorded.
struct RealQuestions : RecordingDialogs {
  bool AskYesNoDefaultNo(QWidget* parent, const QString& title, const QString& text) override {
    questions << text;
    const Qt::Key key = keys.isEmpty() ? Qt::Key_Escape : keys.takeFirst();
    QTimer::singleShot(0, [key] { QTest::keyClick(QApplication::activeModalWidget(), key); });
    return QtDialogs().AskYesNoDefaultNo(parent, title, text);
  }
  QList<Qt::Key> keys;
};

class ListCommandsTest : public PlatformWindowTest {
 protected:
  void Configure(FrmMainEnvironment& env) override {
    PlatformWindowTest::Configure(env);
    env.dialogs = &real;
  }
  std::string paths[3] = {AddArchive("bob", "alice", "20050101", {"hi", "ho"}),
                          AddArchive("bob", "alice", "20050102", {"hi"}),
                          AddArchive("bob", "alice", "20050103", {"hi"})};
  RealQuestions real;
};

TEST_F(ListCommandsTest, DeleteKeepsTheFileOnEnterAndMovesItToTheTrashOnYes) {
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  real.keys = {Qt::Key_Return, Qt::Key_Y};
  for (bool kept : {true, false}) {
    SelectRows(w, {0});
    Ui(w).mnuListDelete->trigger();
    EXPECT_EQ(std::filesystem::exists(paths[0]), kept);
  }
  EXPECT_EQ(real.questions.size(), 2);
  EXPECT_TRUE(std::filesystem::exists(data / "Trash/files/20050101-bob.dat"));
  EXPECT_EQ(ShownFileNames(w).join("|"), "20050102-bob.dat|20050103-bob.dat");
}

TEST_F(ListCommandsTest, ABatchExportMakesItsFolderAndLeavesTheViewsStatistics) {
  TfrmMain& w = Start();
  SelectNode(w, "alice");
  SelectRows(w, {0});
  const auto messages = [&] { return Ui(w).vsStat->model()->index(0, 3).data().toString(); };
  ASSERT_EQ(messages(), "2");
  // Every conversation of the contact, counted apart, would count 4.
  on_dialog = [&](QDialog& dialog) {
    auto& save = dynamic_cast<TfrmSaveDir&>(dialog);
    QTest::keyClicks(save.edtDirector, (temp / "new/folder").c_str());
    save.scopes[1]->click();  // "Selected contacts"
    save.button_ok->click();
    return dialog.result();
  };
  Choose(Ui(w).popFile, "Save as individual text files...");
  EXPECT_TRUE(std::filesystem::exists(temp / "new/folder/20050103-bob-alice.txt"));
  EXPECT_EQ(messages(), "2");
}

TEST_F(ListCommandsTest, RemoveFromFavoritesTakesTheSelectedOnesAway) {
  WriteBytes(program / "orvex.ini", "[Settings]\r\nFavorites=3\r\nPath0=" + paths[0] +
                                        "\r\nPath1=" + paths[1] + "\r\nPath2=" + paths[2]);
  TfrmMain& w = Start();
  SelectNode(w, "Favorite conversations");
  SelectRows(w, {1, 2});
  Choose(Ui(w).PopupMenu1, "Remove from favorites");
  EXPECT_EQ(ShownFileNames(w).join("|"), "20050101-bob.dat");
  w.close();
  const std::string settings = SettingsText();
  EXPECT_NE(settings.find("Favorites=1\r\nPath0=" + paths[0] + "\r\n"), std::string::npos);
  EXPECT_EQ(settings.find(paths[1]), std::string::npos) << settings;
  EXPECT_EQ(settings.find(paths[2]), std::string::npos) << settings;
}

}  // namespace
}  // namespace orvex::testing
