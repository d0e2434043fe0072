// The window program's command line: a profiles folder given at start-up, and
// the options that answer without opening a window.
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <filesystem>

#include "orvex_version.h"
#include "tests/support/run_program.h"
#include "window_fixture.h"
#include "ylogs/program/command_line.h"

namespace orvex::testing {
namespace {

struct StartCase {
  const char* name;
  std::string argument;  // below the folder `elsewhere`
  std::string path_box;  // below the folder `elsewhere`
  const char* tree;      // the tree's texts joined by "|"
  std::string message;   // what the window says; the folder is the path box's text
};

// Each argument goes into the path box as typing it there would put it; the
// path box then does with it what it does with any text.
class CommandLineWindowTest : public WindowTest, public ::testing::WithParamInterface<StartCase> {
 protected:
  void Configure(FrmMainEnvironment& env) override {
    env.profiles_folder = ProfilesFolderFromArgument(elsewhere / GetParam().argument, "/");
  }
  TempFolder elsewhere;
};

TEST_P(CommandLineWindowTest, PathBoxStartsWithTheFolderGiven) {
  AddArchive("bob", "alice", "20050101", {"hi"});  // the default folder: not scanned
  const std::string kept = elsewhere / "Profiles/zed/Archive/Messages/yan/20050101-zed.dat";
  std::filesystem::create_directories(std::filesystem::path(kept).parent_path());
  WriteBytes(kept, EncodeArchive({}, "zed"));

  TfrmMain& w = Start("zed");
  EXPECT_EQ(Ui(w).edtPath->text().toStdString(), elsewhere / GetParam().path_box);
  EXPECT_EQ(TreeTexts(w).join("|").toStdString(), GetParam().tree);
  // The rest of start-up runs as ever: the registry user is selected when the
  // scan found it.
  const auto selected = Ui(w).ids->selectedItems();
  EXPECT_EQ(selected.size() == 1 ? selected[0]->text(0) : QString(),
            TreeTexts(w).contains("zed") ? QString("zed") : QString());
  EXPECT_EQ(Ui(w).cbxTheme->currentText(), "default");
  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("|").toStdString();
  std::string message = GetParam().message;
  if (const auto at = message.find('%'); at != std::string::npos) {
    message.replace(at, 1, elsewhere / GetParam().path_box);
  }
  EXPECT_EQ(dialogs.messages.join("|").toStdString(), message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineWindowTest,
    ::testing::Values(
        StartCase{"FolderWithoutSeparator", "Profiles", "Profiles/",
                  "Show all|Favorite conversations|zed|  yan", ""},
        StartCase{"FolderWithSeparator", "Profiles/", "Profiles/",
                  "Show all|Favorite conversations|zed|  yan", ""},
        StartCase{"MissingFolder", "nosuch", "nosuch/", "", "The folder \"%\" does not exist."},
        StartCase{"FileInsteadOfAFolder", "Profiles/zed/Archive/Messages/yan/20050101-zed.dat",
                  "Profiles/zed/Archive/Messages/yan/20050101-zed.dat/", "",
                  "The folder \"%\" does not exist."},
        StartCase{"NotAProfilesFolder", "Profiles/zed/Archive", "Profiles/zed/Archive/",
                  "Show all|Favorite conversations",
                  "The folder \"%\" is not a profiles folder: none of its folders "
                  "holds an Archive/Messages folder."}),
    [](const auto& info) { return std::string(info.param.name); });

struct ProgramCase {
  const char* name;
  bool display;  // whether Qt may start (offscreen)
  std::vector<std::string> args;
  std::string out_start;  // what standard output starts with
  std::string err_end;    // what standard error ends with
  int status;
};

class WindowProgramTest : public ::testing::TestWithParam<ProgramCase> {};

// Without a display Qt cannot start, so only answers given before it can
// succeed there.
TEST_P(WindowProgramTest, AnswersWithoutAWindow) {
  std::vector<std::string> args = {ORVEX_WINDOW};
  if (!GetParam().display) {
    args.insert(args.begin(), {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM"});
  }
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const ProgramResult run = RunProgram("/usr/bin/env", args);
  EXPECT_EQ(run.out.substr(0, GetParam().out_start.size()), GetParam().out_start);
  EXPECT_TRUE(run.err.ends_with(GetParam().err_end)) << run.err;
  EXPECT_EQ(run.status, GetParam().status);
}

const std::string kUsage = std::string(kWindowUsageLine) + "\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowProgramTest,
    ::testing::Values(
        ProgramCase{
            "Version", false, {"--version"}, std::string("orvex ") + kVersion + "\n", "", 0},
        ProgramCase{"Help", false, {"--help"}, "Usage: orvex [PROFILES_FOLDER]\n", "", 0},
        ProgramCase{"HelpDespiteAMistake", false, {"--bad", "-h"}, "Usage: orvex", "", 0},
        ProgramCase{
            "UnknownOption", true, {"--bad"}, "", "orvex: unknown option --bad\n" + kUsage, 2},
        ProgramCase{"TwoFolders",
                    true,
                    {"a", "b"},
                    "",
                    "orvex: more than one profiles folder: b\n" + kUsage,
                    2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvex::testing
