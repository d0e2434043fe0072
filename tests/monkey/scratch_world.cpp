#include "scratch_world.h"

#include <QCoreApplication>

#include <chrono>

#include "tests/support/archive_writer.h"
#include "tests/window/window_fixture.h"

namespace orvex::testing {

namespace fs = std::filesystem;

std::map<std::string, FileState> SnapshotTree(const fs::path& root, bool with_bytes) {
  std::map<std::string, FileState> files;
  std::error_code ec;
  if (!fs::exists(root, ec)) return files;
  for (auto it = fs::recursive_directory_iterator(
           root, fs::directory_options::skip_permission_denied, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    FileState state;
    state.size = it->file_size(ec);
    state.mtime_ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         it->last_write_time(ec).time_since_epoch())
                         .count();
    if (with_bytes) state.bytes = ReadFile(it->path().string());
    files[it->path().string()] = std::move(state);
  }
  return files;
}

namespace {

constexpr const char* kWords[] = {"red",         "green", "blue", "tea",   "Tea",
                                  "caf\xc3\xa9", "hello", "ok",   "night", "moon",
                                  "lol",         ":)",    ":-D",  "<b>",   "a&b"};
constexpr const char* kNames[] = {"alice", "bob",        "carol", "dan",     "Anna",
                                  "joan",  "zo\xc3\xab", "eve",   "mallory", "trent"};

std::string Pick(std::mt19937& rng, const auto& list) {
  return list[rng() % std::size(list)];
}

std::string MessageText(std::mt19937& rng) {
  std::string text;
  const int n = 1 + static_cast<int>(rng() % 6);
  for (int i = 0; i < n; ++i) {
    if (i) text += ' ';
    text += Pick(rng, kWords);
  }
  if (rng() % 5 == 0) text = Code("1m") + text + Code("x1m");
  return text;
}

}  // namespace

ScratchWorld::ScratchWorld(const fs::path& root_folder, std::uint32_t seed)
    : root(root_folder),
      program(root / "program"),
      config(root / "config"),
      pages(root / "pages"),
      out(root / "out"),
      profiles(root / "profiles/Yahoo!/Messenger/Profiles"),
      profiles2(root / "other-profiles") {
  for (const fs::path& p : {program, config, pages, out, profiles, profiles2})
    fs::create_directories(p);
  // The built program's own themes and smileys, as an installed copy has them.
  const fs::path built = QCoreApplication::applicationDirPath().toStdString();
  for (const char* sub : {"themes", "Smileys"}) {
    fs::copy(built / sub, program / sub, fs::copy_options::recursive);
  }
  words.assign(std::begin(kWords), std::end(kWords));
  std::mt19937 rng(seed);
  GenerateProfiles(profiles, rng, 3);
  GenerateProfiles(profiles2, rng, 1);
}

void ScratchWorld::GenerateProfiles(const fs::path& folder, std::mt19937& rng, int count) {
  for (int i = 0; i < count; ++i) {
    std::string identity = Pick(rng, kNames) + std::to_string(i);
    identities.push_back(identity);
    const int friend_count = 1 + static_cast<int>(rng() % 4);
    for (int f = 0; f < friend_count; ++f) {
      const std::string friend_name = Pick(rng, kNames) + (f ? std::to_string(f) : "");
      friends.push_back(friend_name);
      const fs::path dir = folder / identity / "Archive/Messages" / friend_name;
      fs::create_directories(dir);
      // Now and then more conversations than the wait panel's threshold.
      const int files =
          rng() % 4 == 0 ? 22 + static_cast<int>(rng() % 10) : static_cast<int>(rng() % 6);
      for (int d = 0; d < files; ++d) {
        std::vector<RecordToWrite> records;
        const int n = static_cast<int>(rng() % 8);
        for (int r = 0; r < n; ++r) {
          RecordToWrite record;
          record.time_value = TimeValueFromUnixSeconds(1136073600u + 3600u * d + 60u * r);
          record.direction = static_cast<std::uint8_t>(rng() % 2);
          record.text = MessageText(rng);
          if (rng() % 40 == 0) record.length_override = static_cast<std::uint16_t>(rng() % 300);
          records.push_back(record);
        }
        std::string bytes = EncodeArchive(records, identity);
        if (rng() % 30 == 0 && bytes.size() > 5) bytes.resize(bytes.size() / 2);  // cut short
        char day[16];
        std::snprintf(day, sizeof day, "2006%02d%02d", d / 28 + 1, d % 28 + 1);
        const std::string name =
            rng() % 25 == 0 ? "notes.dat" : std::string(day) + "-" + identity + ".dat";
        const std::string path = (dir / name).string();
        WriteBytes(path, bytes);
        archive_files.push_back(path);
      }
    }
  }
}

std::string ScratchWorld::FreshOutPath(const std::string& suffix) {
  return (out / ("o" + std::to_string(next_out_++) + suffix)).string();
}

}  // namespace orvex::testing
