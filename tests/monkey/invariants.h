// What must hold after every action of the random-use driver, whatever was
// done: the list agrees with its active tab, the wait panel is gone when
// nothing runs, the identity panel names the listed files' identity, archive
// files keep their bytes unless a confirmed "Delete" removed them, and
// nothing is written outside the scratch folder.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "monkey.h"

namespace orvex {
class TfrmMain;
}

namespace orvex::testing {

class Invariants {
 public:
  // `outside`: folders outside the scratch root that must not change.
  Invariants(Monkey& monkey, std::vector<std::filesystem::path> outside);

  // Everything as it is now is what must stay.
  void TakeBaseline();

  // The invariants that fail now, each as a line of text; none: all hold.
  std::vector<std::string> Check(TfrmMain& w);

  // Once "Delete" has removed more than a third of the archive files, puts
  // them back as they were (bytes and modification time), as a restore from
  // a backup would, so that a long run keeps something to work on; how many.
  int RestockIfThin();

 private:
  void CheckList(TfrmMain& w, std::vector<std::string>& failed) const;
  void CheckPanels(TfrmMain& w, std::vector<std::string>& failed) const;
  void CheckArchives(std::vector<std::string>& failed) const;
  void CheckFolders(std::vector<std::string>& failed) const;

  Monkey& monkey_;
  std::vector<std::filesystem::path> outside_;
  std::map<std::string, FileState> archives_;
  // Outside folders, and the program and configuration folders (less the
  // settings and registry files, which the window writes).
  std::map<std::string, FileState> fixed_;
  std::map<std::string, FileState> FixedNow() const;
};

}  // namespace orvex::testing
