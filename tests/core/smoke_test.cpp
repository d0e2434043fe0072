#include <gtest/gtest.h>

#include "ylogs/archive/smileys.h"

TEST(SmileyTable, HoldsTheStoredEntries) {
  EXPECT_EQ(orvex::SmileyTableLines().size(), 290u);
  EXPECT_EQ(orvex::DefaultSmileyTable().size(), 97u);
}
