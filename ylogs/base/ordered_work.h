// Work spread over the machine's cores whose results are taken one by one in
// their order, on the calling thread: what a sequential loop would see, in
// less time.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace orvex {

// The worker threads a pool starts: one per core.
unsigned WorkerThreads();

// Calls produce(i) for every i below `count` on worker threads, none more
// than `ahead` past the one taken next, and hands each result to take(i,
// result) on the calling thread in the order of i. When take returns true
// (or throws), nothing further is taken: the work under way is finished and
// dropped before this returns. produce must not throw; it reports failure in
// its result. With one core it all runs on the calling thread.
template <typename Result, typename Produce, typename Take>
void ProduceInOrder(std::size_t count, Produce produce, Take take, std::size_t ahead = 64) {
  const std::size_t threads = std::min<std::size_t>(WorkerThreads(), count);
  if (threads <= 1) {
    for (std::size_t i = 0; i < count; ++i) {
      Result result = produce(i);
      if (take(i, result)) return;
    }
    return;
  }
  std::mutex mutex;
  std::condition_variable produced, room;
  std::vector<std::optional<Result>> slots(count);
  std::size_t next = 0, taken = 0;
  bool stop = false;
  auto work = [&] {
    for (;;) {
      std::size_t i;
      {
        std::unique_lock lock(mutex);
        room.wait(lock, [&] { return stop || next >= count || next < taken + ahead; });
        if (stop || next >= count) return;
        i = next++;
      }
      Result result = produce(i);
      {
        std::lock_guard lock(mutex);
        slots[i].emplace(std::move(result));
      }
      produced.notify_all();
    }
  };
  std::vector<std::thread> workers;
  workers.reserve(threads);
  for (std::size_t t = 0; t < threads; ++t) workers.emplace_back(work);
  struct JoinAll {
    std::mutex& mutex;
    std::condition_variable& room;
    bool& stop;
    std::vector<std::thread>& workers;
    ~JoinAll() {
      {
        std::lock_guard lock(mutex);
        stop = true;
      }
      room.notify_all();
      for (std::thread& w : workers) w.join();
    }
  } join_all{mutex, room, stop, workers};
  for (std::size_t i = 0; i < count; ++i) {
    std::optional<Result> result;
    {
      std::unique_lock lock(mutex);
      produced.wait(lock, [&] { return slots[i].has_value(); });
      result.swap(slots[i]);
      taken = i + 1;
    }
    room.notify_all();
    if (take(i, *result)) return;
  }
}

}  // namespace orvex
