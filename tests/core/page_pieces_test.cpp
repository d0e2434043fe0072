#include "ylogs/views/page_pieces.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

// A page of `header` header items, conversations of the given body sizes
// (each with a 1-byte header and footer item) and a footer.
TextItems Page(std::size_t header, const std::vector<std::size_t>& bodies) {
  TextItems page(header, "h");
  for (std::size_t size : bodies) {
    page.push_back("<");
    page.push_back(std::string(size, 'x'));
    page.push_back(">");
  }
  page.push_back("footer");
  return page;
}

TEST(PageParts, SplitsAtConversationsAndJoinsBackToThePage) {
  for (const auto& [header, bodies] : std::vector<std::pair<std::size_t, std::vector<std::size_t>>>{
           {2, {10, 3, 0}}, {0, {100, 1}}, {1, {1, 1, 1, 1}}}) {
    const TextItems page = Page(header, bodies);
    const std::optional<PageParts> parts = SplitIntoParts(page, header);
    ASSERT_TRUE(parts) << header;
    ASSERT_EQ(parts->conversations, bodies.size());
    std::string joined = ItemBytes(page, {0, header});
    for (std::size_t i = 0; i < parts->conversations; ++i) {
      const auto items = parts->conversation(i);
      EXPECT_EQ(page[items.first + 1].size(), bodies[i]);
      joined += ItemBytes(page, items);
    }
    joined += ItemBytes(page, {parts->footer(), page.size()});
    EXPECT_EQ(joined, JoinItems(page));
  }
}

TEST(PageParts, NoneForAPageNotLaidOutInConversationsOrOfOne) {
  TextItems odd = Page(1, {5, 5});
  odd.insert(odd.end() - 1, "stray");
  EXPECT_FALSE(SplitIntoParts(odd, 1));
  EXPECT_FALSE(SplitIntoParts(Page(1, {5}), 1));
  EXPECT_FALSE(SplitIntoParts(Page(3, {}), 3));
  EXPECT_FALSE(SplitIntoParts(TextItems{}, 1));
}

}  // namespace
}  // namespace orvex
