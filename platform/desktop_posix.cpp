#include "platform/desktop.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/file_system.h"

extern char** environ;

namespace orvex {

bool StandardErrorIsTerminal() {
  return ::isatty(STDERR_FILENO) == 1;
}

FileNameBytes UserDocumentsFolder() {
  const char* home = std::getenv("HOME");
  std::string folder = home && *home ? home : "/tmp";
  if (folder.back() != '/') folder += '/';
  if (files::IsFolder(folder + "Documents")) folder += "Documents/";
  return folder;
}

int OpenWithDefaultProgram(const FileNameBytes& path) {
  // The opener's own words stay off the user's terminal; it runs on after
  // this program ends.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const char* opener = "xdg-open";
  char* argv[] = {const_cast<char*>(opener), const_cast<char*>(path.c_str()), nullptr};
  pid_t pid = 0;
  const int error = ::posix_spawnp(&pid, opener, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return error;
  // xdg-open hands the file on and ends; its status tells whether it could.
  int status = 0;
  if (::waitpid(pid, &status, 0) < 0) return errno;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : ENOENT;
}

}  // namespace orvex
