// Writes the profiles folder that scripts/test-windows.sh reads with the Linux
// and the Windows build: friends named in Greek, Cyrillic and Latin letters,
// messages in those scripts with formatting codes and smileys, and one file
// cut short.
//
//   orvex-make-windows-sample OUTDIR     (the folder lands in OUTDIR/Profiles/)
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"

using orvex::testing::Code;
using orvex::testing::EncodeArchive;
using orvex::testing::RecordToWrite;
using orvex::testing::TimeValueFromUnixSeconds;
using orvex::testing::WriteBytes;

int main(int argc, char** argv) {
  if (argc == 2 && (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h"))) {
    std::printf("usage: orvex-make-windows-sample OUTDIR\n");
    return 0;
  }
  // An option is never taken for the folder to write into.
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: orvex-make-windows-sample OUTDIR\n");
    return 2;
  }
  struct Friend {
    const char* identity;
    const char* name;
    std::vector<std::string> lines;
  };
  const std::vector<Friend> friends = {
      {"nikos", "Ελένη", {"Καλημέρα! Τι κάνεις;", Code("1m") + "Πολύ καλά" + Code("x1m") + " :)"}},
      {"nikos", "Мария", {"Привет, как дела?", "<font face=\"Arial\">Хорошо</font> ;)"}},
      {"nikos", "jörg", {"Grüße aus Zürich", Code("#FF8000m") + "€5 für den Kaffee :D"}},
      {"anna", "bob", {"see you at lunch", "ok, naïve café at noon :-*"}},
  };
  const std::string profiles = std::string(argv[1]) + "/Profiles/";
  std::uint32_t day = 1136116800;  // 2006-01-01 12:00 UTC
  for (const Friend& f : friends) {
    for (int d = 0; d < 2; ++d, day += 86400) {
      std::vector<RecordToWrite> records;
      for (int i = 0; i < 6; ++i) {
        RecordToWrite& r = records.emplace_back();
        r.time_value = TimeValueFromUnixSeconds(day + 97u * i);
        r.direction = static_cast<std::uint8_t>(i % 2);
        r.text = f.lines[i % f.lines.size()];
      }
      const std::time_t t = day;
      char date[16];
      std::strftime(date, sizeof date, "%Y%m%d", std::gmtime(&t));
      std::string bytes = EncodeArchive(records, f.identity);
      if (d == 1 && std::string(f.name) == "bob") bytes.resize(bytes.size() - 7);  // cut short
      WriteBytes(profiles + f.identity + "/Archive/Messages/" + f.name + "/" + date + "-" +
                     f.identity + ".dat",
                 bytes);
    }
  }
  std::printf("wrote %zu archive files below %s\n", friends.size() * 2, profiles.c_str());
  return 0;
}
