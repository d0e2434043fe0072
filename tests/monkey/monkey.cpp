#include "monkey.h"

namespace orvex::testing {

void Monkey::Begin(int number, const std::string& name) {
  side_rng.seed(seed * 2654435761u + static_cast<std::uint32_t>(number));
  const std::lock_guard<std::mutex> lock(log_mutex);
  log.push_back("#" + std::to_string(number) + " " + name);
}

void Monkey::Note(const std::string& text) {
  const std::lock_guard<std::mutex> lock(log_mutex);
  if (!log.empty()) log.back() += " | " + text;
}

std::string Monkey::Report() const {
  std::string text = "seed " + std::to_string(seed) + ", " + std::to_string(log.size()) +
                     " actions (replay: ORVEX_MONKEY_SEEDS=" + std::to_string(seed) +
                     " ORVEX_MONKEY_ACTIONS=" + std::to_string(log.size()) + ")\n";
  for (const std::string& line : log) text += line + "\n";
  return text;
}

std::string Monkey::Tail(std::size_t lines) {
  const std::lock_guard<std::mutex> lock(log_mutex);
  std::string text = "seed " + std::to_string(seed) + ", action log (last lines):\n";
  for (std::size_t i = log.size() > lines ? log.size() - lines : 0; i < log.size(); ++i)
    text += log[i] + "\n";
  return text;
}

}  // namespace orvex::testing
