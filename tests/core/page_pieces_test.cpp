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

TEST(PagePieces, CutsAtConversationsAndJoinsBackToThePage) {
  struct Case {
    std::size_t header;
    std::vector<std::size_t> bodies;
    std::size_t first_bytes, piece_bytes;
    std::vector<std::size_t> ends;  // each piece's end item, the first's first
  };
  // A conversation takes 3 + 2 + body + 2 + 3 bytes with its line breaks.
  const Case cases[] = {
      // The first piece ends once it reaches its size, the others once they
      // reach theirs; a piece holds at least one conversation.
      {2, {10, 10, 10, 10, 10}, 30, 30, {8, 14, 17}},
      {0, {100, 1, 1}, 1, 1000, {3, 9}},
      {1, {1, 1, 1, 1}, 0, 0, {4, 7, 10, 13}},
  };
  for (const Case& c : cases) {
    const TextItems page = Page(c.header, c.bodies);
    const std::optional<PagePieces> pieces =
        CutIntoPieces(page, c.header, c.first_bytes, c.piece_bytes);
    ASSERT_TRUE(pieces) << c.header;
    std::vector<std::size_t> ends{pieces->first.second};
    std::string joined = ItemBytes(page, pieces->first);
    std::size_t at = pieces->first.second;
    for (const auto& piece : pieces->rest) {
      EXPECT_EQ(piece.first, at);
      at = piece.second;
      ends.push_back(piece.second);
      joined += ItemBytes(page, piece);
    }
    EXPECT_EQ(ends, c.ends);
    EXPECT_EQ(pieces->footer, page.size() - 1);
    joined += ItemBytes(page, {pieces->footer, page.size()});
    EXPECT_EQ(joined, JoinItems(page));
  }
}

TEST(PagePieces, NoneForAPageNotLaidOutInConversationsOrOfOne) {
  TextItems odd = Page(1, {5, 5});
  odd.insert(odd.end() - 1, "stray");
  EXPECT_FALSE(CutIntoPieces(odd, 1, 1, 1));
  EXPECT_FALSE(CutIntoPieces(Page(1, {5}), 1, 1, 1));
  EXPECT_FALSE(CutIntoPieces(Page(3, {}), 3, 1, 1));
  EXPECT_FALSE(CutIntoPieces(TextItems{}, 1, 1, 1));
  // Everything fits the first piece: nothing is left to add.
  EXPECT_FALSE(CutIntoPieces(Page(1, {5, 5}), 1, 1000, 1));
}

}  // namespace
}  // namespace orvex
