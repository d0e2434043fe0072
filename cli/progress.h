// How far a long export has got, for a person watching: "N of T
// conversations" on standard error, one line rewritten in place, and only
// while standard error is a terminal, so scripts see no more than before.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace orvex::cli {

class ConversationProgress {
 public:
  explicit ConversationProgress(std::size_t total);
  ~ConversationProgress();  // ends the line
  ConversationProgress(const ConversationProgress&) = delete;
  ConversationProgress& operator=(const ConversationProgress&) = delete;

  // For the export's after_each: shows the count now and then; never stops.
  bool operator()(std::size_t written);

 private:
  void Show(std::size_t written);

  std::size_t total_;
  bool shown_ = false;
  bool on_terminal_;
  std::chrono::steady_clock::time_point last_;
};

}  // namespace orvex::cli
