// What every part of the random-use driver shares: the seed and its random
// generator, the log of what was done, the window and the folders.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "scratch_world.h"

namespace orvex {
class TfrmMain;
}

namespace orvex::testing {

class DialogAnswerer;

struct Monkey {
  Monkey(std::uint32_t s, ScratchWorld& w) : seed(s), rng(s), world(w) {}

  // A number in [0, n); n > 0.
  int Below(int n) { return static_cast<int>(rng() % static_cast<std::uint32_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }

  // Draws for what depends on timing (a progress reaching a position, a
  // dialog coming up), so that the action sequence of a seed stays the same.
  bool SideChance(int percent) { return side_rng() % 100 < static_cast<unsigned>(percent); }

  // Starts the log line of a new action; reseeds the side generator for it.
  void Begin(int number, const std::string& name);
  // Adds to the line of the action under way (answers given, targets hit).
  void Note(const std::string& text);
  // The last `lines` lines of the log, for a crash or a hang.
  std::string Tail(std::size_t lines);
  // The seed and every action so far, one a line: enough to replay the run.
  std::string Report() const;

  std::uint32_t seed;
  std::mt19937 rng;
  std::mt19937 side_rng;
  ScratchWorld& world;
  TfrmMain* window = nullptr;
  DialogAnswerer* answers = nullptr;
  std::vector<std::string> log;
  std::mutex log_mutex;  // the watchdog reads the log from its own thread
  // Archive files a confirmed "Delete" was allowed to remove.
  std::set<std::string> deletable;
  // The list was filled anew while a search tab was active (the favourites
  // listed, a refresh): the tab's hit counts are applied to it only when a
  // tab is next activated.
  bool list_refilled_under_search = false;
};

}  // namespace orvex::testing
