// Saves the settings with a number of favourites into a settings file, as the
// window does when it closes; the tests of full disks and killed saves run it.
#include <cstdlib>
#include <iostream>
#include <string>

#include "ylogs/program/settings.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  orvex::AppSettings s;
  for (int n = 0; n < std::atoi(argv[2]); ++n) {
    s.favorites.push_back({"/archive/" + std::to_string(n) + ".dat", "bob", "alice", n});
  }
  try {
    orvex::WriteSettings(argv[1], s);
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
