// The pool behind the exports: results are taken in order, and once the
// taker stops (Cancel, a file that fails) the items after it are not made.
#include "ylogs/base/ordered_work.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

namespace orvex {
namespace {

TEST(ProduceInOrder, TakesInOrderAndMakesLittleMoreAfterAStop) {
  constexpr std::size_t kItems = 2000, kAhead = 8;
  struct Case {
    std::size_t stop_at;  // kItems: never
    bool by_throwing;
  };
  for (const Case c : {Case{0, false}, Case{0, true}, Case{100, false}, Case{kItems, false}}) {
    std::atomic<std::size_t> produced{0};
    std::vector<std::size_t> taken;
    const auto take = [&](std::size_t i, std::size_t& result) {
      EXPECT_EQ(result, i * 3);
      taken.push_back(i);
      if (i == c.stop_at && c.by_throwing) throw std::runtime_error("failed");
      return i == c.stop_at;
    };
    try {
      const auto produce = [&](std::size_t i) {
        ++produced;
        return i * 3;
      };
      ProduceInOrder<std::size_t>(kItems, produce, take, kAhead);
    } catch (const std::runtime_error&) {
    }
    const std::size_t count = std::min(c.stop_at + 1, kItems);
    ASSERT_EQ(taken.size(), count) << c.stop_at;
    for (std::size_t i = 0; i < count; ++i) EXPECT_EQ(taken[i], i);
    // None is started more than `ahead` past the last one taken.
    EXPECT_LE(produced.load(), count + kAhead) << c.stop_at << " " << c.by_throwing;
  }
}

}  // namespace
}  // namespace orvex
