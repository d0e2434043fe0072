// The page around rendered bodies: items, each written with CR LF after it.
#include <gtest/gtest.h>

#include <string>

#include "ylogs/render/document.h"

namespace orvex {
namespace {

Theme PageTheme(std::string file_header, std::string file_footer) {
  Theme t;
  t.file_header = std::move(file_header);
  t.conversation_header = "\r\n<h1>%id</h1>";
  t.message1 = "\r\n%text";
  t.conversation_footer = "\r\n<hr>%today";
  t.file_footer = std::move(file_footer);
  return t;
}

TEST(Document, EveryPieceIsFollowedByALineBreakAndOnlyTheFooterIsFilled) {
  const Theme theme =
      PageTheme("\r\n<html>%today\r\n<body>", "\r\n%today|%today|%Today\r\n</html>");
  TextItems doc;
  BeginDocument(doc, theme);
  AddConversation(doc, theme, "\r\nbody one");
  AddConversation(doc, theme, "");
  EndDocument(doc, theme, "14/02/2009 02:31:30");
  EXPECT_EQ(JoinItems(doc),
            "\r\n<html>%today\r\n<body>\r\n"
            "\r\n<h1>%id</h1>\r\n\r\nbody one\r\n\r\n<hr>%today\r\n"
            "\r\n<h1>%id</h1>\r\n\r\n\r\n<hr>%today\r\n"
            "\r\n14/02/2009 02:31:30|14/02/2009 02:31:30|%Today\r\n</html>\r\n");
}

TEST(Document, FileHeaderIsSplitIntoItsLines) {
  TextItems doc;
  BeginDocument(doc, PageTheme("\r\na\rb\nc", ""));
  EXPECT_EQ(doc, (TextItems{"", "a", "b", "c"}));
}

TEST(Document, EmptyFileHeaderGivesNoItem) {
  const Theme theme = PageTheme("", "");
  TextItems doc;
  BeginDocument(doc, theme);
  EXPECT_TRUE(doc.empty());
  EndDocument(doc, theme, "now");
  EXPECT_EQ(JoinItems(doc), "\r\n");
}

TEST(Document, BeginReplacesWhatTheListHeld) {
  TextItems doc = {"old page"};
  BeginDocument(doc, PageTheme("\r\nnew", ""));
  EXPECT_EQ(doc, (TextItems{"", "new"}));
}

TEST(Document, ItemsWrittenWithLineBreaks) {
  EXPECT_EQ(JoinItems({}), "");
  EXPECT_EQ(JoinItems({"", "a", "b\r\nc"}), "\r\na\r\nb\r\nc\r\n");
  EXPECT_EQ(SplitIntoItems("a\r\n"), (TextItems{"a"}));
  EXPECT_EQ(SplitIntoItems("a\n\rb"), (TextItems{"a", "", "b"}));
}

}  // namespace
}  // namespace orvex
