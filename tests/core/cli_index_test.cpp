#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "discovery_fixture.h"

namespace orvex {
namespace {

struct CommandResult {
  std::string out;
  int status = -1;
};

// Runs a shell command line, collecting its standard output.
CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("popen failed");
  char buf[4096];
  std::size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, pipe)) > 0) result.out.append(buf, got);
  const int raw = ::pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

using discovery_testing::InListingOrder;
using discovery_testing::TempTree;

// alice with friend bob (one archive) and erin with friend dan (one stray file).
class CliIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.File("P/alice/Archive/Messages/bob/20050101-alice.dat", 300);
    t.File("P/erin/Archive/Messages/dan/notes", 7);
    t.Folder("P/My Icons/Archive/Messages/x");
    p = t / "P/";
  }

  CommandResult Index(const std::string& args) const {
    return RunCommand(std::string(ORVEX_CLI) + " index " + args + " 2>/dev/null");
  }

  // The node lines: alice's and erin's nodes in listing order of the two.
  std::string NodeLines() const {
    std::string out = "node\tshowall\t-\tShow all\nnode\tfavorites\t-\tFavorite conversations\n";
    int index = 0;
    for (const auto& id : InListingOrder(p, {"alice", "erin"})) {
      out += "node\tidentity\t" + std::to_string(index) + "\t" + id + "\n";
      out +=
          "node\tfriend\t" + std::to_string(index) + "\t" + (id == "alice" ? "bob" : "dan") + "\n";
      ++index;
    }
    return out;
  }

  std::string AliceBobLine() const {
    return "entry\t20050101-alice.dat\talice\tbob\t2005-01-01\t300\t" + p +
           "alice/Archive/Messages/bob/20050101-alice.dat\n";
  }
  std::string ErinDanLine() const {
    return "entry\tnotes\t\tdan\t\t7\t" + p + "erin/Archive/Messages/dan/notes\n";
  }

  TempTree t;
  std::string p;
};

TEST_F(CliIndexTest, OneFriendNamesItsIdentity) {
  const auto r = Index(p + " --select alice/bob");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, NodeLines() + AliceBobLine() + "panel\tYahoo ID: alice\tshown\n");
}

TEST_F(CliIndexTest, ShowAllOverTwoIdentitiesReadsMultiple) {
  // The folder without its final separator: the companion adds it.
  const auto r = Index(t / "P" + " --all");
  EXPECT_EQ(r.status, 0);
  std::string entries;
  for (const auto& id : InListingOrder(p, {"alice", "erin"})) {
    entries += id == "alice" ? AliceBobLine() : ErinDanLine();
  }
  EXPECT_EQ(r.out, NodeLines() + entries + "panel\tYahoo ID: multiple\thidden\n");
}

TEST_F(CliIndexTest, AnIdentityAloneOrNoSelectionListsNothing) {
  const std::string expected = NodeLines() + "panel\tYahoo ID: \tshown\n";
  EXPECT_EQ(Index(p + " --select erin").out, expected);
  EXPECT_EQ(Index(p).out, expected);
  EXPECT_EQ(Index(t / "missing").out, "panel\tYahoo ID: \tshown\n");
}

TEST_F(CliIndexTest, FavouritesComeFromTheSettingsFile) {
  t.File("orvex.ini", 0,
         "[Settings]\r\n"
         "favorites=3\r\n"
         "Path0=/x/amy/20061224-zed.dat\r\nIdentity0=zed\r\nFriend0=amy\r\nSize0=12\r\n"
         "Path1=/X/AMY/20061224-ZED.DAT\r\nIdentity1=dup\r\nFriend1=dup\r\nSize1=1\r\n"
         "Path2=/y/stray\r\nFriend2=" +
             std::string(60, 'f') +
             "\r\nSize2=0x10\r\n"
             "Path3=/z/beyond-the-count\r\n");
  const auto r = Index(p + " --favorites --settings " + (t / "orvex.ini"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            NodeLines() +
                "entry\t20061224-zed.dat\tzed\tamy\t2006-12-24\t12\t/x/amy/20061224-zed.dat\n"
                // Loading keeps the file's entries as they are, one differing only in case too.
                "entry\t20061224-ZED.DAT\tdup\tdup\t2006-12-24\t1\t/X/AMY/20061224-ZED.DAT\n"
                "entry\tstray\t\t" +
                std::string(50, 'f') +
                "\t\t0\t/y/stray\n"
                "panel\tYahoo ID: \tshown\n");
  // Without a settings file there are no favourites.
  EXPECT_EQ(Index(p + " --favorites").out, NodeLines() + "panel\tYahoo ID: \tshown\n");
}

TEST_F(CliIndexTest, RejectsBadSelections) {
  EXPECT_EQ(Index(p + " --all --favorites").status, 2);
  EXPECT_EQ(Index(p + " --select alice/nobody").status, 2);
  EXPECT_EQ(Index(p + " --select bob").status, 2);  // a friend is named with its identity
  EXPECT_EQ(Index("").status, 2);
}

}  // namespace
}  // namespace orvex
