// Writes a profiles folder of awkward archive files, to compare the output of
// two builds byte for byte: messages made of tag pieces, escape codes (whole,
// broken and unknown), placeholders, emoticons, NUL bytes, valid and broken
// UTF-8; records with damaged headers, odd lengths, bad trailers and unusual
// directions; keys of one character and of more than 32. The same seed gives
// the same bytes.
//
//   orvex-make-tricky OUTDIR [--files N] [--seed N] [--cut]
//
// --cut also cuts files short (inside a header, a text or an escape code), so
// that reading some of them fails.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"

namespace {

using orvex::testing::Code;
using orvex::testing::EncodeArchive;
using orvex::testing::RecordToWrite;
using orvex::testing::TimeValueFromUnixSeconds;
using orvex::testing::WriteBytes;

std::vector<std::string> Tokens() {
  std::vector<std::string> t = {"<FADE",
                                "<FADE #ff0000,#00ff00>",
                                "</FADE>",
                                "<font",
                                "<font ",
                                "<fontx>",
                                "<font face=\"Arial\" size=\"10\">",
                                "</font>",
                                "<FONT size=\"2\">",
                                "</FONT>",
                                "<b>",
                                "</b>",
                                "<i>",
                                "</i>",
                                "<u>",
                                "</u>",
                                "<B>",
                                "<",
                                ">",
                                "/",
                                "b",
                                "i",
                                "u",
                                "font",
                                "FADE",
                                "<<b>b>",
                                "</<i>b>",
                                " ",
                                "  ",
                                "\t",
                                "\r\n",
                                std::string(1, '\0'),
                                "x",
                                "the",
                                "THE",
                                "tHe",
                                "aa",
                                "aaaa",
                                "a",
                                "word",
                                "%id",
                                "%text",
                                "%date",
                                "%time",
                                "%datetime",
                                "%shorttime",
                                "%today",
                                "%",
                                " size=\"",
                                "size=\"",
                                "style",
                                ":)",
                                ":-))",
                                ";;-)",
                                ":O)",
                                "=D>",
                                ">:D<",
                                "%%-",
                                "<):)",
                                "<@:)",
                                ":-\\",
                                "\\:D/",
                                "(:|",
                                ":\">",
                                "\xC3\xA9",
                                "\xE2\x82\xAC",
                                "\xE6\x97\xA5",
                                "\xC3",
                                "\xE2\x82",
                                "\x80",
                                "\xFF\xBF\xBF",
                                "\xC0\x80",
                                "\x1B",
                                "\x1B"
                                "x",
                                "\x1B[",
                                "\x7F"};
  for (const char* body :
       {"1m",   "x1m",      "2m",        "x2m", "4m", "x4m",  "30m",        "39m", "3zm", "x3m",
        "x30m", "#12AB34m", "x#FFFFFFm", "lm",  "5m", "abcm", "zzzzzzzzzm", "1",   "3",   "#12"}) {
    t.push_back(Code(body));
  }
  return t;
}

struct Options {
  std::string out;
  int files = 600;
  unsigned seed = 7;
  bool cut = false;
};

bool ParseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--files") && i + 1 < argc) {
      o.files = std::atoi(argv[++i]);
    } else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc) {
      o.seed = static_cast<unsigned>(std::atoi(argv[++i]));
    } else if (!std::strcmp(argv[i], "--cut")) {
      o.cut = true;
    } else if (o.out.empty() && argv[i][0] != '-') {
      o.out = argv[i];
    } else {
      return false;
    }
  }
  return !o.out.empty() && o.files > 0;
}

}  // namespace

int main(int argc, char** argv) {
  constexpr const char* kUsage = "usage: orvex-make-tricky OUTDIR [--files N] [--seed N] [--cut]\n";
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  Options o;
  if (!ParseArgs(argc, argv, o)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::vector<std::string> tokens = Tokens();
  // Folder names are UTF-8; the archives are scrambled with the code page's bytes.
  const std::vector<std::string> identities = {"u", "user1", "j\xC3\xB6rg",
                                               "an.identity.with.a.name.longer.than.32.chars"};
  const std::vector<std::string> keys = {"u", "user1", "j\xF6rg",
                                         "an.identity.with.a.name.longer.than.32.chars"};
  const std::vector<std::string> friends = {"pal", "a friend", "x"};
  std::mt19937 rng(o.seed);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const std::string profiles = o.out + "/Yahoo!/Messenger/Profiles/";
  for (int f = 0; f < o.files; ++f) {
    const std::string& identity = identities[f % identities.size()];
    const std::string& key = keys[f % keys.size()];
    const std::string& friend_name = friends[f / identities.size() % friends.size()];
    std::vector<RecordToWrite> records;
    const int count = pick(12);
    for (int m = 0; m < count; ++m) {
      RecordToWrite r;
      r.time_value = TimeValueFromUnixSeconds(1104537600u + static_cast<unsigned>(pick(1 << 30)));
      if (pick(20) == 0) r.time_value = rng() | (std::uint64_t{rng() & 0xFF} << 32);
      const int dir = pick(20);
      r.direction = static_cast<std::uint8_t>(dir < 9 ? 0 : dir < 18 ? 1 : dir == 18 ? 6 : 2);
      const int n = pick(40);
      for (int k = 0; k < n; ++k)
        r.text += tokens[static_cast<std::size_t>(pick(static_cast<int>(tokens.size())))];
      if (pick(10) == 0) r.text += std::string(static_cast<std::size_t>(pick(300)), 'w');
      // Rare damage; a longer declared length only before the last record.
      const int damage = pick(60);
      if (damage == 0) {
        r.header_override = std::make_pair(6 + pick(11), static_cast<std::uint8_t>(1 + pick(255)));
      } else if (damage == 1 && !r.text.empty()) {
        r.length_override = static_cast<std::uint16_t>(pick(static_cast<int>(r.text.size())));
      } else if (damage == 2 && m + 1 < count) {
        r.length_override = static_cast<std::uint16_t>(r.text.size() + 1 + pick(6));
      } else if (damage == 3) {
        r.trailer[static_cast<std::size_t>(pick(4))] = static_cast<std::uint8_t>(1 + pick(255));
      }
      records.push_back(std::move(r));
    }
    std::string bytes = EncodeArchive(records, key);
    if (o.cut && !bytes.empty() && pick(8) == 0) {
      bytes.resize(static_cast<std::size_t>(pick(static_cast<int>(bytes.size()))));
    }
    char day[16];
    std::snprintf(day, sizeof day, "%04d%02d%02d", 2005 + f / 336, f / 28 % 12 + 1, f % 28 + 1);
    WriteBytes(profiles + identity + "/Archive/Messages/" + friend_name + "/" + day + "-" +
                   identity + ".dat",
               bytes);
  }
  std::printf("wrote %d archive files below %s\n", o.files, profiles.c_str());
  return 0;
}
