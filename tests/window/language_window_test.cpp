// The window in the user's language: the catalogues built beside the program
// are found and read, and Arabic lays the window out right to left.
#include <QTranslator>

#include <tuple>

#include "qt_platform/translations.h"
#include "window_fixture.h"

namespace orvex::testing {
namespace {

class LanguageWindowTest : public WindowTest {
 protected:
  ~LanguageWindowTest() override {
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
    qApp->setLayoutDirection(Qt::LeftToRight);
  }
  // The window started in the language: its File menu's caption, the tree's
  // first node (a caption of the core) and the direction it is laid out in.
  std::tuple<QString, QString, Qt::LayoutDirection> StartIn(const QString& language) {
    EXPECT_TRUE(InstallTranslations(*qApp, QCoreApplication::applicationDirPath(), language));
    AddArchive("bob", "alice", "20050101", {"hi"});
    TfrmMain& w = Start();
    return {Ui(w).menu_bar_buttons.at(0)->text(), TreeTexts(w).value(0), w.layoutDirection()};
  }
};

TEST_F(LanguageWindowTest, InGermanTheFileMenuIsDatei) {
  EXPECT_EQ(StartIn("de"),
            std::make_tuple(QString("&Datei"), QString("Alle anzeigen"), Qt::LeftToRight));
}

TEST_F(LanguageWindowTest, InArabicTheWindowIsLaidOutRightToLeft) {
  const auto [file_menu, first_node, direction] = StartIn("ar");
  EXPECT_EQ(direction, Qt::RightToLeft);
  EXPECT_NE(file_menu, "&File");
}

}  // namespace
}  // namespace orvex::testing
