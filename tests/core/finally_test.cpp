// The finishing step of a scope: run however the scope is left, and the
// first error is the one that goes on.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "ylogs/base/finally.h"

namespace orvex {
namespace {

struct FinallyCase {
  bool work_fails;
  bool step_fails;
  const char* reported;  // the error that reaches the caller; "" none
};

TEST(Finally, RunsTheStepAndReportsTheFirstError) {
  const FinallyCase cases[] = {
      {false, false, ""},
      {true, false, "work"},
      {false, true, "step"},
      {true, true, "work"},
  };
  for (const FinallyCase& c : cases) {
    bool ran = false;
    std::string reported;
    try {
      const Finally finish([&] {
        ran = true;
        if (c.step_fails) throw std::runtime_error("step");
      });
      if (c.work_fails) throw std::runtime_error("work");
    } catch (const std::exception& e) {
      reported = e.what();
    }
    EXPECT_TRUE(ran);
    EXPECT_EQ(reported, c.reported) << c.work_fails << c.step_fails;
  }
}

}  // namespace
}  // namespace orvex
