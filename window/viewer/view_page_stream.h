// Writes the view's page while the view is still being built: the items of
// the page go to the file as the walk adds them, on a thread of their own,
// so a whole history's page is on disk soon after its last file is rendered.
// The file replaces the old page only once it is complete.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <future>
#include <mutex>
#include <string>

#include "ylogs/render/document.h"

namespace orvex {

class ViewPageStream {
 public:
  // Starts writing `path` from `items`, which must not move while the walk
  // adds to them (the view builder keeps them in place).
  ViewPageStream(std::string path, const TextItems& items);
  // A stream not finished is finished here, its error dropped.
  ~ViewPageStream();
  ViewPageStream(const ViewPageStream&) = delete;
  ViewPageStream& operator=(const ViewPageStream&) = delete;

  // The first `count` items are complete and may be written.
  void Publish(std::size_t count);
  // The page has `count` items in all: waits for the file while the window
  // handles its events, and raises the error of the write ("Cannot create
  // file ...").
  void Finish(std::size_t count);

 private:
  const TextItems& items_;
  std::mutex mutex_;
  std::condition_variable more_;
  std::size_t published_ = 0;
  std::size_t wake_at_ = 0;  // the writer waits until this many are published
  static constexpr std::size_t kItemsPerWake = 96;  // 32 conversations
  bool complete_ = false;
  bool finished_ = false;
  std::future<void> writing_;
};

}  // namespace orvex
