#include "view_page_stream.h"

#include "window/long_action.h"
#include "ylogs/export/export.h"

namespace orvex {

ViewPageStream::ViewPageStream(std::string path, const TextItems& items) : items_(items) {
  writing_ = std::async(std::launch::async, [this, path = std::move(path)] {
    std::size_t position = 0;
    WritePiecesToFile(
        path,
        [this, &position]() -> std::optional<std::string_view> {
          std::unique_lock lock(mutex_);
          if (!complete_ && position / 2 >= published_) {
            // Caught up: wait for a batch of items rather than the next file,
            // which would cost the window's thread a wake-up for every file.
            wake_at_ = position / 2 + kItemsPerWake;
            more_.wait(lock, [&] { return complete_ || published_ >= wake_at_; });
            wake_at_ = 0;
          }
          const std::size_t count = published_;
          lock.unlock();
          return ItemPiece(items_, count, position);
        },
        files::Durability::kScratch);
  });
}

ViewPageStream::~ViewPageStream() {
  if (finished_) return;
  Publish(items_.size());
  {
    std::lock_guard lock(mutex_);
    complete_ = true;
  }
  more_.notify_all();
  try {
    writing_.get();
  } catch (...) {
  }
}

void ViewPageStream::Publish(std::size_t count) {
  bool wake = false;
  {
    std::lock_guard lock(mutex_);
    published_ = count;
    wake = wake_at_ != 0 && count >= wake_at_;
  }
  if (wake) more_.notify_all();
}

void ViewPageStream::Finish(std::size_t count) {
  {
    std::lock_guard lock(mutex_);
    published_ = count;
    complete_ = true;
  }
  more_.notify_all();
  finished_ = true;
  WaitBesideTheWindow(writing_);
  writing_.get();  // the writer's error goes on
}

}  // namespace orvex
