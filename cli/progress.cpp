#include "progress.h"

#include <cstdio>

#include "platform/desktop.h"

namespace orvex::cli {
namespace {

// A terminal redrawn more often than this shows nothing more to the eye.
constexpr auto kInterval = std::chrono::milliseconds(100);

}  // namespace

ConversationProgress::ConversationProgress(std::size_t total)
    : total_(total), on_terminal_(StandardErrorIsTerminal()) {}

ConversationProgress::~ConversationProgress() {
  if (!shown_) return;
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

bool ConversationProgress::operator()(std::size_t written) {
  if (!on_terminal_) return false;
  const auto now = std::chrono::steady_clock::now();
  if (written == total_ || !shown_ || now - last_ >= kInterval) {
    last_ = now;
    Show(written);
  }
  return false;
}

void ConversationProgress::Show(std::size_t written) {
  const std::string line =
      "\r" + std::to_string(written) + " of " + std::to_string(total_) + " conversations";
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  shown_ = true;
}

}  // namespace orvex::cli
