#include "ylogs/views/page_pieces.h"
#include "ylogs/views/print_parts.h"

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

TEST(PrintParts, EachPartIsTheHeaderAndItsConversationsTheLastTheFooterToo) {
  const TextItems page = Page(2, {10, 3, 30, 0, 8});
  const PageParts parts = *SplitIntoParts(page, 2);
  const std::string header = ItemBytes(page, {0, 2});
  for (const auto& [part_bytes, expected] :
       std::vector<std::pair<std::size_t, std::size_t>>{{1, 5}, {20, 3}, {1000, 1}}) {
    const auto cut = CutForPrinting(page, parts, part_bytes);
    ASSERT_EQ(cut.size(), expected) << part_bytes;
    std::string conversations;
    for (std::size_t i = 0; i < cut.size(); ++i) {
      EXPECT_EQ(cut[i].first, i == 0 ? 0 : cut[i - 1].second);
      const std::string part = PrintPartPage(page, parts, cut[i]);
      ASSERT_EQ(part.substr(0, header.size()), header);
      conversations += part.substr(header.size());
    }
    EXPECT_EQ(header + conversations, JoinItems(page)) << part_bytes;
  }
}

}  // namespace
}  // namespace orvex
