// Writes the bundled demo archive: a profiles folder with a few identities,
// friends and days of fictional conversations, for trying the program out.
//
//   orvex-make-demo OUTDIR
//
// OUTDIR stands for the program-files folder: the archive lands in
// OUTDIR/Yahoo!/Messenger/Profiles/.
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"

namespace {

using orvex::testing::Code;
using orvex::testing::EncodeArchive;
using orvex::testing::RecordToWrite;
using orvex::testing::TimeValueFromUnixSeconds;
using orvex::testing::WriteBytes;

struct Line {
  int direction;  // 0 = the identity, 1 = the friend
  int minutes;    // after the conversation's start
  std::string text;
};

struct Day {
  int year, month, day, hour, minute;
  std::vector<Line> lines;
};

struct Friend {
  std::string name;
  std::vector<Day> days;
};

struct Identity {
  std::string name;
  std::vector<Friend> friends;
};

std::string Bold(const std::string& s) { return Code("1m") + s + Code("x1m"); }
std::string Italic(const std::string& s) { return Code("2m") + s + Code("x2m"); }
std::string Colour(char digit, const std::string& s) {
  return Code(std::string("3") + digit + "m") + s + Code("x3m");
}
std::string Hex(const std::string& rgb, const std::string& s) {
  return Code("#" + rgb + "m") + s + Code("x3m");
}
std::string Font(const std::string& face, int size, const std::string& s) {
  return "<font face=\"" + face + "\" size=\"" + std::to_string(size) + "\">" + s + "</font>";
}

// Unix seconds of a wall-clock time; the archive shows it three hours later,
// so take three hours off to show the time written here.
std::uint32_t UnixSeconds(int y, int mo, int d, int h, int mi) {
  std::tm tm{};
  tm.tm_year = y - 1900;
  tm.tm_mon = mo - 1;
  tm.tm_mday = d;
  tm.tm_hour = h;
  tm.tm_min = mi;
  return static_cast<std::uint32_t>(timegm(&tm) - 3 * 3600);
}

std::vector<Identity> DemoArchive() {
  return {
      {"sam_rivers",
       {
           {"mila_t",
            {
                {2007, 3, 14, 19, 2,
                 {{1, 0, "hey Sam! are you still up for the hike on Saturday? :)"},
                  {0, 1, "Absolutely. " + Bold("Weather says sun") + " all day ;)"},
                  {1, 2, "great, I'll bring the " + Colour('4', "green thermos") + " and the map"},
                  {0, 3, "I found the old trail guide, page 42 has the loop around the lake"},
                  {1, 5, "the one with the café at the top? their apple cake is legendary :D"},
                  {0, 6, Italic("Legendary") + " is a strong word... but yes :P"},
                  {1, 9, "8:00 at the bus stop then. don't be late this time :-/"},
                  {0, 10, "I'm never late. I'm " + Bold("fashionably delayed") + "."}}},
                {2007, 3, 17, 21, 40,
                 {{1, 0, Hex("FF8000", "What a day!") + " my legs are jelly :(("},
                  {0, 2, "Worth it though. That view from the ridge :-O"},
                  {1, 3, "I took 112 photos. I'll send the best 100 :))"},
                  {0, 5, "Please send the one with the goat. The goat was the star."},
                  {1, 6, "the goat was " + Bold(Italic("magnificent")) + " B-)"}}},
                {2007, 4, 2, 12, 15,
                 {{0, 0, "Lunch next week? The new ramen place on Quay Street opened."},
                  {1, 4, "yes!! Tuesday works. I'll book a table for two"},
                  {0, 5, "Perfect. " + Font("Georgia", 12, "Noodles are serious business.")},
                  {1, 7, "very serious. I'm bringing chopsticks from home x-("}}},
            }},
           {"jonas88",
            {
                {2007, 3, 20, 9, 30,
                 {{0, 0, "Morning Jonas, did the flat viewing go well?"},
                  {1, 3, "it did! 2 rooms, balcony, 5 minutes from the station"},
                  {1, 3, "and the landlord has a cat called Émile :)"},
                  {0, 4, "A cat with an accent. " + Bold("Sign the lease.")},
                  {1, 8, "signing on Friday. " + Colour('8', "Moving day is the 1st") + ", help?"},
                  {0, 9, "I'll bring boxes and pizza. The usual deal :-D"},
                  {1, 10, "deal =D>"}}},
                {2007, 4, 1, 8, 5,
                 {{1, 0, "the van is here, where are you?"},
                  {0, 2, "Stuck behind a tractor on the bridge :-S hold on"},
                  {1, 3, "a tractor. on the bridge. on moving day. " + Italic("of course")},
                  {0, 20, "Here! Carrying the sofa first, then the pizza."},
                  {1, 21, "sofa first, pizza second, regrets third :))"}}},
            }},
           {"grandma_ruth",
            {
                {2006, 12, 24, 17, 0,
                 {{1, 0, Font("Times New Roman", 14, "Merry Christmas my dear!") + " @};-"},
                  {0, 1, "Merry Christmas Grandma! Did the parcel arrive?"},
                  {1, 3, "Yes, the scarf is " + Colour('5', "beautiful") +
                             ". I will wear it to church"},
                  {0, 4, "I knitted it myself. Well... 40% of it :-\""},
                  {1, 6, "I can tell which 40% :-)) it is perfect"},
                  {0, 7, "Love you! Call you tomorrow :-*"}}},
            }},
       }},
      {"nora.k",
       {
           {"bookclub_lee",
            {
                {2008, 1, 9, 20, 0,
                 {{1, 0, "Nora, chapter 7 is a twist I did not see coming :-O"},
                  {0, 1, "Right? I had to put the book down and walk around the block"},
                  {1, 2, "who do you think wrote the letters? " + Bold("I say the gardener")},
                  {0, 4, "The gardener is too obvious. My bet: the aunt from Zürich"},
                  {1, 5, "bold theory. we'll see on Thursday :-?"},
                  {0, 6, "Bring the " + Hex("800080", "plum tarts") + " again please, they were a hit"}}},
                {2008, 1, 17, 22, 30,
                 {{0, 0, "It " + Bold("was") + " the aunt. I want my winnings."},
                  {1, 1, "we didn't bet anything :P"},
                  {0, 2, "Then I want my moral winnings :D"},
                  {1, 3, "granted. next book: something with less fog and fewer aunts"}}},
            }},
           {"sam_rivers",
            {
                {2008, 2, 2, 15, 45,
                 {{1, 0, "hi Nora, Mila says you know a good bike shop?"},
                  {0, 2, "Yes, the one by the canal. Ask for Pavel, he's honest"},
                  {1, 3, "thanks! my gears make a noise like a kettle :))"},
                  {0, 4, "Pavel will fix it in ten minutes " + Colour('1', "and tell you a story") +
                             " for twenty"}}},
            }},
       }},
  };
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h"))) {
    std::printf("usage: orvex-make-demo OUTDIR\n");
    return 0;
  }
  // An option is never taken for the folder to write into.
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: orvex-make-demo OUTDIR\n");
    return 2;
  }
  const std::string profiles = std::string(argv[1]) + "/Yahoo!/Messenger/Profiles/";
  int files = 0;
  for (const Identity& id : DemoArchive()) {
    for (const Friend& f : id.friends) {
      for (const Day& day : f.days) {
        std::vector<RecordToWrite> records;
        const std::uint32_t start = UnixSeconds(day.year, day.month, day.day, day.hour, day.minute);
        for (const Line& line : day.lines) {
          RecordToWrite r;
          r.time_value = TimeValueFromUnixSeconds(start + 60u * line.minutes + 7u * records.size());
          r.direction = static_cast<std::uint8_t>(line.direction);
          r.text = line.text;
          records.push_back(r);
        }
        const std::string name = std::to_string(day.year) + TwoDigits(day.month) +
                                 TwoDigits(day.day) + "-" + id.name + ".dat";
        WriteBytes(profiles + id.name + "/Archive/Messages/" + f.name + "/" + name,
                   EncodeArchive(records, id.name));
        ++files;
      }
    }
  }
  // Things a real profiles folder holds besides archives.
  WriteBytes(profiles + "My Icons/placeholder.txt", "icons live here\r\n");
  WriteBytes(profiles + "iconindex.dat", std::string(8, '\0'));
  std::printf("wrote %d archive files below %s\n", files, profiles.c_str());
  return 0;
}
