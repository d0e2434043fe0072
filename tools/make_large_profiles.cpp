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
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/synthetic_messages.h"

namespace {

using orvex::testing::EncodeArchive;
using orvex::testing::RecordToWrite;
using orvex::testing::SyntheticMessage;
using orvex::testing::TimeValueFromUnixSeconds;
using orvex::testing::WriteBytes;

struct Options {
  std::string out;
  int identities = 3, friends = 100, days = 100, messages = 25;
  unsigned seed = 20061224;
};

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
    } else if (argv[i][0] == '-') {
      return false;  // an unknown option is no folder name (./-x names one)
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
  constexpr const char* kUsage =
      "usage: orvex-make-large OUTDIR [--identities N] [--friends N] [--days N] "
      "[--messages N] [--seed N]\n";
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
  std::mt19937 rng(o.seed);
  std::uniform_int_distribution<int> spread(-o.messages / 2, o.messages / 2);
  const std::string profiles = o.out + "/Yahoo!/Messenger/Profiles/";
  long long files = 0, bytes = 0;
  for (int id = 0; id < o.identities; ++id) {
    const std::string identity = "user" + std::to_string(id + 1);
    for (int f = 0; f < o.friends; ++f) {
      const std::string friend_name = "friend" + std::to_string(id * o.friends + f + 1);
      for (int d = 0; d < o.days; ++d) {
        // Every third day from 1 January 2005; a friend's talk starts between
        // 09:00 and 15:00 UTC and lasts well under an hour, so the messages
        // keep the day the file is named by in any time zone from UTC-9 to
        // UTC+8.
        const std::uint32_t midnight = 1104537600u + static_cast<std::uint32_t>(d) * 86400u * 3u;
        const std::uint32_t start =
            midnight + 9u * 3600u + (static_cast<std::uint32_t>(f) * 977u) % (6u * 3600u);
        std::vector<RecordToWrite> records;
        const int count = std::max(1, o.messages + spread(rng));
        for (int m = 0; m < count; ++m) {
          RecordToWrite r;
          r.time_value = TimeValueFromUnixSeconds(start + static_cast<std::uint32_t>(m) * 41u);
          r.direction = static_cast<std::uint8_t>(rng() % 2);
          r.text = SyntheticMessage(rng);
          records.push_back(std::move(r));
        }
        char day[16];
        const std::chrono::year_month_day date{
            std::chrono::sys_days{std::chrono::days{midnight / 86400u}}};
        std::snprintf(day, sizeof day, "%04d%02u%02u", static_cast<int>(date.year()),
                      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
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
