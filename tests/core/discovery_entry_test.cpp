#include <gtest/gtest.h>

#include "ylogs/base/day_time.h"
#include "ylogs/discovery/conversation_entry.h"
#include "ylogs/discovery/favorites.h"

namespace orvex {
namespace {

struct NameCase {
  const char* name;
  const char* identity;
  int year, month, day;  // year 0: no date
};

class FileNameFieldsTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(FileNameFieldsTest, IdentityAndDateComeFromTheName) {
  const NameCase& c = GetParam();
  EXPECT_EQ(IdentityFromFileName(c.name), c.identity);
  const auto date = DateFromFileName(c.name);
  if (c.year == 0) {
    EXPECT_FALSE(date.has_value()) << *date;
  } else {
    ASSERT_TRUE(date.has_value());
    const CivilDateTime civil = DayCountToCivil(*date);
    EXPECT_EQ(civil.year, c.year);
    EXPECT_EQ(civil.month, c.month);
    EXPECT_EQ(civil.day, c.day);
    EXPECT_EQ(civil.hour + civil.minute + civil.second + civil.millisecond, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileNameFieldsTest,
    ::testing::Values(
        NameCase{"20050101-bob.dat", "bob", 2005, 1, 1}, NameCase{"20050101-.dat", "", 2005, 1, 1},
        NameCase{"20050101-x.da", "", 2005, 1, 1},  // 13 characters
        NameCase{"20050101-xy.dat", "xy", 2005, 1, 1},
        NameCase{"19991231-a.b.c.dat", "a.b.c", 1999, 12, 31},
        NameCase{"20040229-leap.dat", "leap", 2004, 2, 29},
        NameCase{"20050229-bob.dat", "bob", 0, 0, 0},  // no 29 February
        NameCase{"20051301-bob.dat", "bob", 0, 0, 0}, NameCase{"20050100-bob.dat", "bob", 0, 0, 0},
        NameCase{"00000101-bob.dat", "bob", 0, 0, 0},  // year 0
        NameCase{"2005o101-bob.dat", "bob", 0, 0, 0},  // a letter among the digits
        NameCase{"+2050101-bob.dat", "bob", 0, 0, 0}, NameCase{" 2050101-bob.dat", "bob", 0, 0, 0},
        NameCase{"notes.txt", "", 0, 0, 0}, NameCase{"2005010", "", 0, 0, 0}));

TEST(FileNameFields, AnIdentityIsCutToFiftyCharacters) {
  const std::string id(60, 'i');
  EXPECT_EQ(IdentityFromFileName("20050101-" + id + ".dat"), std::string(50, 'i'));
}

TEST(EntryForListedFile, FillsEveryFieldFromTheListing) {
  const ConversationEntry e =
      EntryForListedFile("/p/bob/Archive/Messages/amy/", "amy", "20050101-bob.dat", 300);
  EXPECT_EQ(e.file_name, "20050101-bob.dat");
  EXPECT_EQ(e.path, "/p/bob/Archive/Messages/amy/20050101-bob.dat");
  EXPECT_EQ(e.identity, "bob");
  EXPECT_EQ(e.friend_name, "amy");
  EXPECT_EQ(e.date, DateFromFileName("20050101"));
  EXPECT_EQ(e.size, 300);
  EXPECT_EQ(e.rank, 0);
  EXPECT_EQ(e.words, 0);
  EXPECT_EQ(e.start_time, "");
  EXPECT_EQ(e.end_time, "");
}

TEST(EntryForListedFile, CutsNamesButKeepsTheWholePath) {
  const std::string folder = "/" + std::string(300, 'f') + "/";
  const std::string name = "20050101-" + std::string(120, 'n') + ".dat";
  const std::string friend_name(70, 'g');
  const ConversationEntry e = EntryForListedFile(folder, friend_name, name, 1);
  EXPECT_EQ(e.path, folder + name);
  EXPECT_EQ(e.file_name, name.substr(0, 100));
  EXPECT_EQ(e.identity, std::string(50, 'n'));
  EXPECT_EQ(e.friend_name, std::string(50, 'g'));
}

TEST(EntryForListedFile, HoldsASizeBeyondThirtyTwoBitsAtItsLargestValue) {
  EXPECT_EQ(EntryForListedFile("/f/", "f", "x", 5'000'000'000LL).size, 2147483647);
}

TEST(EntryForFavorite, TakesTheStoredFieldsAndTheNameFromThePath) {
  const ConversationEntry e = EntryForFavorite(
      {"/p/x/Archive/Messages/amy/20061224-x.dat", "stored-id", "stored-friend", 77});
  EXPECT_EQ(e.file_name, "20061224-x.dat");
  EXPECT_EQ(e.path, "/p/x/Archive/Messages/amy/20061224-x.dat");
  EXPECT_EQ(e.identity, "stored-id");  // copied, not cut from the name
  EXPECT_EQ(e.friend_name, "stored-friend");
  EXPECT_EQ(e.size, 77);
  EXPECT_EQ(e.date, DateFromFileName("20061224"));
  EXPECT_FALSE(EntryForFavorite({"/p/stray", "", "", 0}).date.has_value());
}

TEST(FavoritesList, KeysPathsWithoutRegardToLetterCase) {
  FavoritesList list;
  EXPECT_TRUE(list.Add({"/p/Amy/20050101-bob.dat", "bob", "Amy", 1}));
  EXPECT_TRUE(list.Add({"/p/Ann/20050102-bob.dat", "bob", "Ann", 2}));
  EXPECT_FALSE(list.Add({"/P/AMY/20050101-BOB.DAT", "x", "y", 3}));
  EXPECT_FALSE(list.Add({"/p/Ann/20050102-bob.dat", "x", "y", 4}));
  // Code-page letters beyond ASCII fold too (\xE9 is e acute, \xC9 its capital).
  EXPECT_TRUE(list.Add({"/p/Ren\xE9/20050103-bob.dat", "bob", "Ren\xE9", 5}));
  EXPECT_FALSE(list.Add({"/p/REN\xC9/20050103-BOB.DAT", "x", "y", 6}));
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list.entries()[0].size, 1);
  EXPECT_EQ(list.entries()[1].size, 2);
  EXPECT_EQ(list.entries()[2].size, 5);
  EXPECT_TRUE(list.Contains("/p/ann/20050102-BOB.dat"));
  EXPECT_FALSE(list.Contains("/p/ann/20050102-bob.da"));
}

TEST(FavoritesList, CutsIdentityAndFriendButNotThePath) {
  FavoritesList list;
  const std::string path = "/" + std::string(300, 'p');
  list.Add({path, std::string(60, 'i'), std::string(55, 'f'), 0});
  EXPECT_EQ(list.entries()[0].path, path);
  EXPECT_EQ(list.entries()[0].identity, std::string(50, 'i'));
  EXPECT_EQ(list.entries()[0].friend_name, std::string(50, 'f'));
}

}  // namespace
}  // namespace orvex
