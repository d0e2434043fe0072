// The eight-bytes-at-a-time loops against their byte-at-a-time versions, at
// every length from 0 to 40 and every start offset into a text that holds the
// bytes each branch turns on: the letters at either end of a-z and A-Z and
// their neighbours, high bytes (whole and cut UTF-8 sequences, a surrogate
// pair), zero bytes, escape bytes, blanks and the tags the strips look for.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/archive_writer.h"
#include "tests/support/byte_reference.h"

namespace orvex {
namespace {

constexpr char kMixed[] =
    "pizza PIZZA az@[`{AZ \x1B[1m<font size=\"2\">x</font><FADE #ff>y</FADE><b>b</b><i></u>"
    "  two  words \xC3\xA9\xE2\x82\xAC\xED\xA0\xBD\xED\xB8\x80z\x7F\x80\xFF"
    "</font <font><FADE></FADE>zyxw \x1B\x1B qa\0 \0ab yz{`@[ZA";

TEST(ByteFastPathsTest, AgreeWithByteByByteAtEveryLengthAndOffset) {
  const std::string mixed(kMixed, sizeof kMixed - 1);
  constexpr std::size_t kMaxLength = 40;
  ASSERT_GT(mixed.size(), kMaxLength + 8);
  for (const std::string key : {"", "bob", "alice"}) {
    // The same bytes scrambled with the key, so the reader meets escape bytes too.
    for (const std::string& source : {mixed, testing::Scramble(mixed, key)}) {
      for (std::size_t offset = 0; offset + kMaxLength <= source.size(); ++offset) {
        for (std::size_t length = 0; length <= kMaxLength; ++length) {
          const std::string_view text = std::string_view(source).substr(offset, length);
          EXPECT_EQ(reference::FirstDifference(text, key), "")
              << "key \"" << key << "\", offset " << offset << ", length " << length;
        }
      }
    }
  }
}

}  // namespace
}  // namespace orvex
