// Writes a large synthetic profiles folder for measuring the program:
// identities x friends x days x messages, with realistic message lengths,
// formatting codes, smileys and some non-ASCII text. The same seed gives the
// same bytes.
//
//   orvex-make-large OUTDIR [--identities N] [--friends N] [--days N]
//                    [--messages N] [--seed N]
//
// The default is the standard "large" set: 3 identities x 100 friends x 100
// days (30,000 files in 300 friend folders), about 25 messages a day.
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
using orvex::testing::RecordSpec;
using orvex::testing::TimeValueFromUnixSeconds;
using orvex::testing::WriteBytes;

const char* const kWords[] = {
    "the", "a", "and", "to", "of", "I", "you", "it", "is", "that", "was", "for", "on", "are",
    "with", "we", "they", "be", "at", "have", "this", "from", "not", "but", "what", "all", "were",
    "when", "there", "can", "an", "your", "which", "their", "said", "if", "do", "will", "each",
    "about", "how", "up", "out", "them", "then", "she", "many", "some", "so", "these", "would",
    "other", "into", "has", "more", "her", "two", "like", "him", "see", "time", "could", "no",
    "make", "than", "first", "been", "its", "who", "now", "people", "my", "made", "over", "did",
    "down", "only", "way", "find", "use", "may", "water", "long", "little", "very", "after",
    "words", "called", "just", "where", "most", "know", "flat", "train", "dinner", "weekend",
    "tomorrow", "meeting", "holiday", "photos", "concert", "birthday", "lunch", "coffee",
    "café", "naïve", "Zürich", "crème", "señor", "Grüße", "€5", "déjà"};
const char* const kSmileys[] = {":)", ":(", ";)", ":D", ":P", ":-O", ":))", "B-)", ":-*", "=D>"};

struct Options {
  std::string out;
  int identities = 3, friends = 100, days = 100, messages = 25;
  unsigned seed = 20061224;
};

std::string Message(std::mt19937& rng) {
  std::uniform_int_distribution<int> length(2, 24), word(0, std::size(kWords) - 1),
      smiley(0, std::size(kSmileys) - 1), percent(0, 99), colour(0, 9);
  std::string text;
  const int n = length(rng);
  for (int i = 0; i < n; ++i) {
    if (i) text += ' ';
    const int p = percent(rng);
    std::string w = kWords[word(rng)];
    if (p < 4) {
      w = Code("1m") + w + Code("x1m");
    } else if (p < 7) {
      w = Code(std::string("3") + static_cast<char>('0' + colour(rng)) + "m") + w + Code("x3m");
    } else if (p < 9) {
      w = Code("#FF8000m") + w;
    } else if (p < 10) {
      w = Code("2m") + w + Code("x2m");
    }
    text += w;
    if (percent(rng) < 6) text += std::string(" ") + kSmileys[smiley(rng)];
  }
  if (percent(rng) < 15) text = "<font face=\"Arial\" size=\"10\">" + text + "</font>";
  return text;
}

bool ParseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    auto number = [&](int& target) {
      if (i + 1 >= argc) return false;
      target = std::atoi(argv[++i]);
      return target > 0;
    };
    if (!std::strcmp(argv[i], "--identities")) {
      if (!number(o.identities)) return false;
    } else if (!std::strcmp(argv[i], "--friends")) {
      if (!number(o.friends)) return false;
    } else if (!std::strcmp(argv[i], "--days")) {
      if (!number(o.days)) return false;
    } else if (!std::strcmp(argv[i], "--messages")) {
      if (!number(o.messages)) return false;
    } else if (!std::strcmp(argv[i], "--seed")) {
      int seed = 0;
      if (!number(seed)) return false;
      o.seed = static_cast<unsigned>(seed);
    } else if (o.out.empty()) {
      o.out = argv[i];
    } else {
      return false;
    }
  }
  return !o.out.empty();
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!ParseArgs(argc, argv, o)) {
    std::fprintf(stderr,
                 "usage: orvex-make-large OUTDIR [--identities N] [--friends N] [--days N] "
                 "[--messages N] [--seed N]\n");
    return 2;
  }
  std::mt19937 rng(o.seed);
  std::uniform_int_distribution<int> spread(-o.messages / 2, o.messages / 2);
  const std::string profiles = o.out + "/Yahoo!/Messenger/Profiles/";
  long long files = 0, bytes = 0;
  for (int id = 0; id < o.identities; ++id) {
    const std::string identity = "user" + std::to_string(id + 1);
    for (int f = 0; f < o.friends; ++f) {
      const std::string friend_name = "friend" + std::to_string(id * o.friends + f + 1);
      for (int d = 0; d < o.days; ++d) {
        const std::uint32_t start = 1104537600u + static_cast<std::uint32_t>(d) * 86400u * 3u +
                                    static_cast<std::uint32_t>(f) * 977u;
        std::vector<RecordSpec> records;
        const int count = std::max(1, o.messages + spread(rng));
        for (int m = 0; m < count; ++m) {
          RecordSpec r;
          r.time_value = TimeValueFromUnixSeconds(start + static_cast<std::uint32_t>(m) * 41u);
          r.direction = static_cast<std::uint8_t>(rng() % 2);
          r.text = Message(rng);
          records.push_back(std::move(r));
        }
        char day[16];
        const int year = 2005 + d / 336, month = d / 28 % 12 + 1, dom = d % 28 + 1;
        std::snprintf(day, sizeof day, "%04d%02d%02d", year, month, dom);
        const std::string bytes_of_file = EncodeArchive(records, identity);
        WriteBytes(profiles + identity + "/Archive/Messages/" + friend_name + "/" + day + "-" +
                       identity + ".dat",
                   bytes_of_file);
        ++files;
        bytes += static_cast<long long>(bytes_of_file.size());
      }
    }
  }
  std::printf("wrote %lld archive files, %lld bytes, below %s\n", files, bytes, profiles.c_str());
  return 0;
}
