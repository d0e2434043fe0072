// Where the path box starts when the programs folder holds no archives, and
// the messenger's folder picked for its profiles.
#include "platform_answers.h"

namespace orvex::testing {
namespace {

// The folder the box ends with: the default (archives nowhere), the one kept in
// the settings (archives on a disk too), the first place holding archives (a
// disk), or the profiles folder below the messenger's folder picked with "..."
// or named on the command line.
enum Where { kDefault, kKept, kDisk, kPicked, kNamed };

struct StartFolderTest : PlatformWindowTest, ::testing::WithParamInterface<Where> {
  void Configure(FrmMainEnvironment& env) override {
    PlatformWindowTest::Configure(env);
    if (GetParam() == kKept || GetParam() == kDisk) env.places.disks = {disk.path()};
    if (GetParam() == kNamed) env.profiles_folder = picked / "Yahoo!/Messenger/";
  }
  TempFolder kept, disk, picked;
};

TEST_P(StartFolderTest, TheBoxStartsWhereArchivesAreAndKeepsTheFolderPicked) {
  const std::string folders[] = {
      ProfilesFolder(), kept.path(), disk / "Program Files/Yahoo!/Messenger/Profiles/",
      picked / "Yahoo!/Messenger/Profiles/", picked / "Yahoo!/Messenger/Profiles/"};
  for (int i = kKept; i <= kPicked; ++i)
    std::filesystem::create_directories(folders[i] + "ann/Archive/Messages/joe");
  if (GetParam() == kKept)
    WriteBytes(program / "orvex.ini", "[Settings]\r\nProfilesFolder=" + kept.path());
  TfrmMain& w = Start();
  picker.answer = QString::fromStdString(picked / "Yahoo!/Messenger");
  if (GetParam() == kPicked) Ui(w).btnSelDir->click();
  EXPECT_EQ(Ui(w).edtPath->text().toStdString(), folders[GetParam()]);
  EXPECT_EQ(Ui(w).lblNoArchives->isVisibleTo(&w), GetParam() == kDefault);
  w.close();  // a folder kept or picked stays in the settings, no other goes in
  const std::string ini = SettingsText(), key = "ProfilesFolder=" + folders[GetParam()] + "\r\n";
  EXPECT_EQ(ini.find(key) != ini.npos, GetParam() != kDefault && GetParam() != kDisk) << ini;
}

INSTANTIATE_TEST_SUITE_P(All, StartFolderTest,
                         ::testing::Values(kDefault, kKept, kDisk, kPicked, kNamed));

}  // namespace
}  // namespace orvex::testing
