// Real faults under orvex-cli's exports and the settings save: a disk that
// fills up, a folder that cannot be written, and runs killed at a random
// moment. Every file they write keeps its old bytes or holds its complete new
// ones, and a failure is reported.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <thread>

#include "tests/support/archive_writer.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/file_error.h"

namespace orvex {
namespace {

namespace fs = std::filesystem;
using testing::RunProgram;
using Files = std::map<std::string, std::string>;
using testing::TempFolder;

Files FilesBelow(const std::string& root) {
  Files files;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    if (e.is_regular_file()) files[e.path()] = ReadWholeFile(e.path());
  }
  return files;
}

class WriteFaults : public ::testing::Test {
 protected:
  // bob's conversations with alice, a few kilobytes each.
  WriteFaults() {
    for (int day = 1; day <= 28; ++day) {
      std::vector<testing::RecordToWrite> records(40);
      for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].time_value = testing::TimeValueFromUnixSeconds(1144800000 + 60 * i);
        records[i].direction = i % 2;
        records[i].text = "message " + std::to_string(i) + std::string(100, 'x');
      }
      testing::WriteBytes(
          profiles / ("bob/Archive/Messages/alice/2006" + std::to_string(1000 + day) + "-bob.dat"),
          testing::EncodeArchive(records, "bob"));
    }
  }

  // The exports and the settings save, writing below `root`; `earlier` gives
  // other bytes (the dates left out, fewer favourites).
  std::vector<std::vector<std::string>> Jobs(const std::string& root, bool earlier) const {
    std::vector<std::vector<std::string>> jobs;
    for (const char* format : {"--html", "--json", "--site"}) {
      jobs.push_back({ORVEX_CLI, "export", profiles.path(), root + (format + 2), format, "--all",
                      "--date-format", "D", "--time-format", "T", earlier ? "--no-date" : "--raw"});
    }
    jobs.push_back({ORVEX_SETTINGS_SAVER, root + "settings/orvex.ini", earlier ? "10" : "3000"});
    return jobs;
  }

  static testing::ProgramResult Run(const std::vector<std::string>& job) {
    fs::create_directories(job[0] == ORVEX_CLI ? fs::path(job[3]) : fs::path(job[1]).parent_path());
    return RunProgram(job[0], {job.begin() + 1, job.end()});
  }

  TempFolder profiles;
};

TEST_F(WriteFaults, AFullOrReadOnlyDiskKeepsEveryEarlierFile) {
  TempFolder disk;
  if (::geteuid() != 0) GTEST_SKIP() << "a tmpfs of 1 MB needs root";
  if (::mount("tmpfs", disk.path().c_str(), "tmpfs", 0, "size=1m") != 0) {
    GTEST_SKIP() << "no tmpfs: " << std::strerror(errno);
  }
  struct Unmount {
    std::string path;
    ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
  } unmount{disk.path()};
  // An earlier export and settings file; the new export as it would be.
  for (std::size_t i = 0; i < 4; i += 3) ASSERT_EQ(Run(Jobs(disk.path(), true)[i]).status, 0);
  TempFolder elsewhere;
  ASSERT_EQ(Run(Jobs(elsewhere.path(), false)[0]).status, 0);
  Files made;
  for (const auto& [path, bytes] : FilesBelow(elsewhere.path())) {
    made[disk / path.substr(elsewhere.path().size())] = bytes;
  }
  // The disk filled up to its last 4 KB, less than any new file needs.
  const int fd = ::open((disk / "filler").c_str(), O_WRONLY | O_CREAT, 0600);
  const std::string block(4096, 'f');
  off_t size = 0;
  while (::write(fd, block.data(), block.size()) > 0) size += 4096;
  ASSERT_EQ(::ftruncate(fd, size - 4096), 0);
  ::close(fd);
  for (int read_only = 0; read_only < 2; ++read_only) {
    const Files before = FilesBelow(disk.path());
    for (std::size_t i = 0; i < 4; i += 3) {
      const testing::ProgramResult r = Run(Jobs(disk.path(), false)[i]);
      EXPECT_EQ(r.status, 1);
      const char* reason = read_only ? std::strerror(EROFS) : std::strerror(ENOSPC);
      EXPECT_NE(r.err.find(i ? "Unable to write to " : reason), std::string::npos) << r.err;
    }
    for (const auto& [path, bytes] : FilesBelow(disk.path())) {
      EXPECT_TRUE((before.count(path) && before.at(path) == bytes) ||
                  (made.count(path) && made.at(path) == bytes))
          << path << " is torn or stray";
    }
    for (const auto& [path, bytes] : before) EXPECT_TRUE(fs::exists(path)) << path << " is lost";
    ASSERT_EQ(::mount(nullptr, disk.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
  }
}

TEST_F(WriteFaults, AKilledRunLeavesEachFileOldOrNew) {
  TempFolder out;
  const std::vector<std::vector<std::string>> jobs = Jobs(out.path(), false);
  std::vector<Files> old, made;
  std::vector<double> seconds;
  for (std::size_t j = 0; j < jobs.size(); ++j) {
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Run(jobs[j]).status, 0);
    seconds.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    made.push_back(FilesBelow(out.path()));
    for (const auto& [path, bytes] : made.back()) fs::remove(path);
    ASSERT_EQ(Run(Jobs(out.path(), true)[j]).status, 0);
    old.push_back(FilesBelow(out.path()));
    for (const auto& [path, bytes] : old.back()) fs::remove(path);
  }
  std::mt19937 rng(26);
  int old_files = 0, new_files = 0, torn = 0, lost = 0, leftovers = 0;
  for (int run = 0; run < 200; ++run) {
    const std::size_t j = run % jobs.size();
    for (const auto& [path, bytes] : old[j]) testing::WriteBytes(path, bytes);
    std::vector<char*> argv;
    for (const std::string& arg : jobs[j]) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ), 0);
    std::this_thread::sleep_for(std::chrono::duration<double>(
        std::uniform_real_distribution<double>(0, seconds[j] * 1.2)(rng)));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    for (const auto& [path, bytes] : old[j]) lost += !fs::exists(path);
    for (const auto& [path, bytes] : FilesBelow(out.path())) {
      if (!old[j].count(path) && !made[j].count(path)) {
        ++leftovers;  // the new file of a killed write, never in a target's place
      } else if (old[j].count(path) && old[j].at(path) == bytes) {
        ++old_files;
      } else if (made[j].count(path) && made[j].at(path) == bytes) {
        ++new_files;
      } else {
        ADD_FAILURE() << path << " is torn";
        ++torn;
      }
      fs::remove(path);
    }
  }
  std::cout << "200 kills: " << old_files << " files old, " << new_files << " new, " << torn
            << " torn, " << lost << " lost; " << leftovers << " new files left beside them\n";
  EXPECT_EQ(torn + lost, 0);
}

}  // namespace
}  // namespace orvex
