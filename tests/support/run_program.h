// Runs a program with arguments and collects its standard output, standard
// error and exit status, byte for byte.
#pragma once

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace orvex::testing {

struct ProgramResult {
  std::string out;
  std::string err;
  int status = -1;  // the exit status, or -1 when the program did not exit normally
};

// Runs `program` with `args` (no shell involved) in the C locale; `extra_env`
// entries (NAME=VALUE) are added, an "LC_ALL=" one in place of the C locale.
inline ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                                const std::vector<std::string>& extra_env = {}) {
  int out_pipe[2], err_pipe[2];
  if (::pipe2(out_pipe, O_CLOEXEC) != 0 || ::pipe2(err_pipe, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out_pipe[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err_pipe[1], 2);

  std::vector<std::string> env_store;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    if (entry.rfind("LC_", 0) == 0 || entry.rfind("LANG=", 0) == 0) continue;
    env_store.push_back(entry);
  }
  bool own_lc_all = false;
  for (const std::string& entry : extra_env) own_lc_all |= entry.rfind("LC_ALL=", 0) == 0;
  if (!own_lc_all) env_store.push_back("LC_ALL=C");
  env_store.insert(env_store.end(), extra_env.begin(), extra_env.end());
  std::vector<char*> env;
  for (std::string& entry : env_store) env.push_back(entry.data());
  env.push_back(nullptr);

  std::vector<std::string> argv_store = {program};
  argv_store.insert(argv_store.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argv_store) argv.push_back(a.data());
  argv.push_back(nullptr);

  pid_t pid = 0;
  const int spawned =
      ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);
  if (spawned != 0) {
    ::close(out_pipe[0]);
    ::close(err_pipe[0]);
    throw std::runtime_error("cannot start " + program);
  }

  ProgramResult result;
  pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open_count = 2;
  char buf[4096];
  while (open_count > 0) {
    if (::poll(fds, 2, -1) < 0) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t got = ::read(fds[i].fd, buf, sizeof buf);
      if (got < 0 && errno == EINTR) continue;
      if (got > 0) {
        sinks[i]->append(buf, static_cast<std::size_t>(got));
      } else {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open_count;
      }
    }
  }
  int wstatus = 0;
  ::waitpid(pid, &wstatus, 0);
  if (WIFEXITED(wstatus)) result.status = WEXITSTATUS(wstatus);
  return result;
}

}  // namespace orvex::testing
